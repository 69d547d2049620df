#include "FeedbackRequest.h"

#include <QByteArray>

QUrl FeedbackRequest(const QString& feedbackHost, const QString& name, const QString& email,
                     const QString& comment) {
    const QByteArray address =
        feedbackHost.toUtf8() + "/suggest/post.php?name=" + QUrl::toPercentEncoding(name) +
        "&age=" + QUrl::toPercentEncoding(email) + "&comment=" + QUrl::toPercentEncoding(comment);
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}
