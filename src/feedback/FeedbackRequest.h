#pragma once
// The address that carries a suggestion to the maker: one GET whose query holds the three texts.

#include <QString>
#include <QUrl>

// feedbackHost + "/suggest/post.php?name=…&age=…&comment=…". The e-mail address travels under
// "age", as the server expects. Each value is percent-encoded as UTF-8, so "&", "#", "+", "%"
// and blanks arrive as typed instead of cutting or bending the query.
QUrl FeedbackRequest(const QString& feedbackHost, const QString& name, const QString& email,
                     const QString& comment);
