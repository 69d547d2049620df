#pragma once
// The hidden browser wb: opens one address, follows every redirect, and reports the address of
// the document it ends on. Only one lookup runs at a time; a new one or Cancel drops the last
// without a word. A site that does not answer within the time-out, or cannot be reached at
// all, is reported as a failure instead.

#include "ResolverChoice.h"

#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QNetworkAccessManager;

class AddressLookup : public QObject {
    Q_OBJECT
public:
    static constexpr int TimeoutMilliseconds = DefaultResolveSeconds * 1000;

    explicit AddressLookup(QObject* parent = nullptr);
    ~AddressLookup() override;

    void Navigate(const QString& address);
    void Cancel();
    bool IsBusy() const { return reply_ != nullptr; }
    void SetTimeout(int milliseconds) { timeout_.setInterval(milliseconds); }

Q_SIGNALS:
    // The final address of a document the site answered with, whatever its status.
    void DocumentComplete(const QString& address);
    void Failed(const QString& reason);

private:
    void Finished(QNetworkReply* reply);
    void TimedOut();

    QNetworkAccessManager* network_;
    QPointer<QNetworkReply> reply_;
    QTimer timeout_;
};
