#include "frmSuggest.h"

#include "FeedbackRequest.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QTimer>

namespace {

QFont FormFont() {
    QFont font;
    // Tahoma is rarely installed here. Liberation Sans has nearly its widths, so the labels fit
    // the places laid out for them; the desktop's sans serif is the last resort.
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), font.family()});
    font.setPointSizeF(9);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    return label;
}

QLineEdit* MakeBox(QWidget* parent, const char* name, int maxLength, const QRect& place,
                   QLabel* label) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(maxLength);
    box->setGeometry(place);
    label->setBuddy(box);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const QRect& place) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmSuggest::frmSuggest(const QString& feedbackHost, QWidget* parent)
    : QWidget(parent, Qt::Window), FeedbackHost(feedbackHost) {
    setObjectName(QStringLiteral("frmSuggest"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Suggest Us"));
    setFont(FormFont());
    setFixedSize(312, 123);

    lblName = MakeLabel(this, "lblName", QStringLiteral("Your Name:"), {30, 16, 65, 14});
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Your Email:"), {34, 40, 61, 14});
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Comment:"), {38, 64, 57, 14});
    txtName = MakeBox(this, "txtName", 50, {104, 12, 141, 21}, lblName);
    txtEMail = MakeBox(this, "txtEMail", 100, {104, 36, 141, 21}, Label1);
    txtComment = MakeBox(this, "txtComment", 256, {104, 60, 189, 21}, Label2);
    Command1 = MakeButton(this, "Command1", QStringLiteral("Send"), {112, 90, 85, 27});
    Command2 = MakeButton(this, "Command2", QStringLiteral("Back"), {208, 90, 85, 27});

    // Wide enough for the longest status, "Sending failed.", up to the Send button.
    lblSending = MakeLabel(this, "lblSending", QString(), {16, 96, 92, 14});
    QFont bold = font();
    bold.setBold(true);
    lblSending->setFont(bold);
    lblSending->hide();

    setTabOrder(txtName, txtEMail);
    setTabOrder(txtEMail, txtComment);
    setTabOrder(txtComment, Command1);
    setTabOrder(Command1, Command2);

    Network = new QNetworkAccessManager(this);
    connect(Command1, &QPushButton::clicked, this, &frmSuggest::Send);
    connect(Command2, &QPushButton::clicked, this, &frmSuggest::close);
}

void frmSuggest::ShowStatus(const QString& text) {
    lblSending->setText(text);
    lblSending->show();
}

bool frmSuggest::AskFor(QLineEdit* box, const QString& prompt) {
    if (!box->text().isEmpty())
        return false;
    ShowStatus(prompt);
    box->setFocus();
    return true;
}

void frmSuggest::Send() {
    if (AskFor(txtName, QStringLiteral("Your Name?")) ||
        AskFor(txtEMail, QStringLiteral("Your Email?")) ||
        AskFor(txtComment, QStringLiteral("Comment?")))
        return;
    ShowStatus(QStringLiteral("Sending..."));
    Command1->setEnabled(false);

    QNetworkReply* reply = Network->get(QNetworkRequest(
        FeedbackRequest(FeedbackHost, txtName->text(), txtEMail->text(), txtComment->text())));
    // A server that takes the connection and never answers would leave "Sending..." for good.
    auto* limit = new QTimer(reply);
    limit->setSingleShot(true);
    connect(limit, &QTimer::timeout, reply, &QNetworkReply::abort);
    limit->start(answerLimit_);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        // Any answer, an error page included, means the server has the message; without one
        // the user may try again.
        if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) {
            ShowStatus(QStringLiteral("Finished."));
        } else {
            ShowStatus(QStringLiteral("Sending failed."));
            Command1->setEnabled(true);
        }
    });
}
