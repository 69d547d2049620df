#pragma once
// A private D-Bus session bus for the desktop tests, so that a stand-in tray host can own the
// well-known names a desktop's panel owns without meeting the machine's own session.

#include <QProcess>

class PrivateSessionBus {
public:
    // Starts the bus and points DBUS_SESSION_BUS_ADDRESS at it; call it before the application
    // object exists. False when it cannot.
    bool Start();
    ~PrivateSessionBus();

private:
    QProcess daemon_;
};
