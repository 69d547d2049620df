#pragma once
// "Suggest Us": a small titled window where the user leaves a name, an e-mail address and a
// comment for the maker. Send fires one request and reports only that it has finished; the
// server's answer is never read. The window deletes itself when closed, so every opening starts
// from an empty form.

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QNetworkAccessManager;
class QPushButton;

class frmSuggest : public QWidget {
    Q_OBJECT

public:
    explicit frmSuggest(const QString& feedbackHost, QWidget* parent = nullptr);

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
};
