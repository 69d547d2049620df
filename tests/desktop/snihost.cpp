// A stand-in for a StatusNotifierItem tray host (the kind of tray most desktops run today), for
// the tray tests. It owns org.kde.StatusNotifierWatcher on the session bus it is started on,
// says that a host is there, accepts the items that register, and on a line from its standard
// input calls that method on the last registered item, as a panel does for a click:
//   Activate | SecondaryActivate | ContextMenu   (called with the pointer at 10, 10)
// It prints "ready" once it owns the name, "registered <service> <path>" for each item and
// "answered <method>" (or "failed <method> <error>") when the item has answered a call.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QSocketNotifier>
#include <QStringList>

#include <cstdio>
#include <unistd.h>

namespace {

void Say(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

} // namespace

class Watcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ Items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ HostRegistered)
    Q_PROPERTY(int ProtocolVersion READ ProtocolVersion)

public:
    QStringList Items() const { return items_; }
    bool HostRegistered() const { return true; }
    int ProtocolVersion() const { return 0; }

    // Calls `method` on the last item that registered.
    void Call(const QString& method) {
        if (service_.isEmpty()) {
            Say(QStringLiteral("failed %1 no item").arg(method));
            return;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(
            service_, path_, QStringLiteral("org.kde.StatusNotifierItem"), method);
        call << 10 << 10;
        auto* pending =
            new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
        connect(pending, &QDBusPendingCallWatcher::finished, this,
                [method](QDBusPendingCallWatcher* done) {
                    const QDBusPendingReply<> reply = *done;
                    Say(reply.isError()
                            ? QStringLiteral("failed %1 %2").arg(method, reply.error().message())
                            : QStringLiteral("answered %1").arg(method));
                    done->deleteLater();
                });
    }

public Q_SLOTS:
    // An item names its bus service, or only its object path on the caller's connection.
    void RegisterStatusNotifierItem(const QString& serviceOrPath) {
        const bool isPath = serviceOrPath.startsWith(QLatin1Char('/'));
        service_ = isPath ? message().service() : serviceOrPath;
        path_ = isPath ? serviceOrPath : QStringLiteral("/StatusNotifierItem");
        items_ << service_ + path_;
        Say(QStringLiteral("registered %1 %2").arg(service_, path_));
        Q_EMIT StatusNotifierItemRegistered(service_ + path_);
    }
    void RegisterStatusNotifierHost(const QString&) {}

Q_SIGNALS:
    void StatusNotifierItemRegistered(const QString& item);
    void StatusNotifierItemUnregistered(const QString& item);
    void StatusNotifierHostRegistered();

private:
    QStringList items_;
    QString service_;
    QString path_;
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    Watcher watcher;
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                QDBusConnection::ExportAllProperties) ||
        !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
        Say(QStringLiteral("failed to own org.kde.StatusNotifierWatcher"));
        return 1;
    }
    Say(QStringLiteral("ready"));

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char line[256];
        const ssize_t got = ::read(STDIN_FILENO, line, sizeof line - 1);
        if (got <= 0) {
            QCoreApplication::quit(); // the test has gone
            return;
        }
        line[got] = '\0';
        for (const QString& method :
             QString::fromLatin1(line).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            watcher.Call(method.trimmed());
    });
    return app.exec();
}

#include "snihost.moc"
