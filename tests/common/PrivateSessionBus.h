#pragma once
// A private D-Bus session bus for one test, so that a stand-in tray host can own the names a
// desktop's panel owns, and the accessibility bus the session starts on demand is this test's
// own, without meeting the machine's session or another test's. The services the bus starts
// (such as at-spi-bus-launcher) get a private runtime folder, where they put their sockets.

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <csignal>
#include <sys/prctl.h>

class PrivateSessionBus {
public:
    ~PrivateSessionBus() {
        if (daemon_.state() != QProcess::NotRunning) {
            daemon_.terminate();
            daemon_.waitForFinished(3000);
        }
    }

    // Starts the bus; what it starts on demand inherits `environment`. False when it cannot.
    bool Start(QProcessEnvironment environment = QProcessEnvironment::systemEnvironment()) {
        if (!runtime_.isValid())
            return false;
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        daemon_.setProcessEnvironment(environment);
        daemon_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1")});
        if (!daemon_.waitForStarted(5000))
            return false;
        QByteArray said;
        while (!said.contains('\n') && daemon_.waitForReadyRead(10000))
            said += daemon_.readAllStandardOutput();
        address_ = QString::fromUtf8(said).trimmed();
        return !address_.isEmpty();
    }

    QString Address() const { return address_; }
    QString RuntimeDir() const { return runtime_.path(); }

    // `environment` pointed at this bus, for a program or tool of the test.
    QProcessEnvironment Join(QProcessEnvironment environment) const {
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        return environment;
    }

private:
    QTemporaryDir runtime_;
    QProcess daemon_;
    QString address_;
};
