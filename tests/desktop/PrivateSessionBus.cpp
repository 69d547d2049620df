#include "PrivateSessionBus.h"

#include <QStandardPaths>
#include <QtGlobal>

bool PrivateSessionBus::Start() {
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        return false;
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--session"), QStringLiteral("--nofork"),
                   QStringLiteral("--print-address=1")});
    if (!daemon_.waitForStarted(5000))
        return false;
    QByteArray address;
    while (!address.contains('\n') && daemon_.waitForReadyRead(10000))
        address += daemon_.readAllStandardOutput();
    address = address.trimmed();
    if (address.isEmpty())
        return false;
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    return true;
}

PrivateSessionBus::~PrivateSessionBus() {
    if (daemon_.state() != QProcess::NotRunning) {
        daemon_.terminate();
        daemon_.waitForFinished(3000);
    }
}
