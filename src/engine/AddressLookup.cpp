#include "AddressLookup.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

AddressLookup::AddressLookup(QObject* parent)
    : QObject(parent), network_(new QNetworkAccessManager(this)) {
    timeout_.setSingleShot(true);
    timeout_.setInterval(TimeoutMilliseconds);
    connect(&timeout_, &QTimer::timeout, this, &AddressLookup::TimedOut);
}

AddressLookup::~AddressLookup() {
    Cancel();
}

void AddressLookup::Navigate(const QString& address) {
    Cancel();
    QNetworkRequest request{QUrl(address)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(20);
    QNetworkReply* reply = network_->get(request);
    reply_ = reply;
    // Only the final address matters, not the page: nothing of the body is kept.
    connect(reply, &QIODevice::readyRead, reply, [reply] { reply->skip(reply->bytesAvailable()); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { Finished(reply); });
    timeout_.start();
}

void AddressLookup::Cancel() {
    timeout_.stop();
    if (QNetworkReply* reply = reply_) {
        reply_ = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void AddressLookup::Finished(QNetworkReply* reply) {
    if (reply != reply_)
        return;
    timeout_.stop();
    reply_ = nullptr;
    reply->deleteLater();
    // An error page is still a completed document; only a site that never answered fails.
    const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    if (answered)
        Q_EMIT DocumentComplete(reply->url().toString());
    else
        Q_EMIT Failed(
            QStringLiteral("The video site could not be reached (%1).").arg(reply->errorString()));
}

void AddressLookup::TimedOut() {
    if (!reply_)
        return;
    Cancel();
    Q_EMIT Failed(QStringLiteral("The video site did not answer within %1 seconds.")
                      .arg(timeout_.interval() / 1000));
}
