#pragma once
// "Suggest Us": a small titled window where the user leaves a name, an e-mail address and a
// comment for the maker. Send fires one request and reports only whether the server answered
// ("Finished.", whatever the page) or not ("Sending failed.": refused, broken off, or silent
// for too long), when Send is offered again. The server's answer is never read. The window
// deletes itself when closed, so every opening starts from an empty form.

#include <QString>
#include <QWidget>

#include <chrono>

class QLabel;
class QLineEdit;
class QNetworkAccessManager;
class QPushButton;

class frmSuggest : public QWidget {
    Q_OBJECT

public:
    explicit frmSuggest(const QString& feedbackHost, QWidget* parent = nullptr);

    // How long a request may wait for the server's answer before it counts as failed.
    void SetAnswerLimit(std::chrono::milliseconds limit) { answerLimit_ = limit; }

private:
    void Send();
    void ShowStatus(const QString& text);
    bool AskFor(QLineEdit* box, const QString& prompt);

    QString FeedbackHost;
    QLabel* lblName;
    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* txtName;
    QLineEdit* txtEMail;
    QLineEdit* txtComment;
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* lblSending;
    QNetworkAccessManager* Network;
    std::chrono::milliseconds answerLimit_ = std::chrono::seconds(30);
};
