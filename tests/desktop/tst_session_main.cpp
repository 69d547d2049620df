// The desktop as most people meet it today: a real window manager (openbox) and a tray host that
// speaks StatusNotifierItem on the session bus, all private to this test. Both come before the
// application object: Qt asks once what the window manager supports, and once per program which
// kind of tray to use, which is why these tests cannot share a program with the XEmbed ones.

#include "PrivateDisplay.h"
#include "PrivateSessionBus.h"
#include "SessionReady.h"

#include <QApplication>

int RunSniTrayTests(int argc, char** argv);
int RunDragZoneUnderWindowManagerTests(int argc, char** argv);

namespace {
bool ready = false;
}

bool SessionReady() {
    return ready;
}

int main(int argc, char** argv) {
    PrivateDisplay display;
    PrivateSessionBus bus;
    ready = display.StartServer() && display.StartWindowManager() && bus.Start();
    if (ready) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.Address().toUtf8());
        qputenv("XDG_RUNTIME_DIR", bus.RuntimeDir().toUtf8());
    }
    if (!ready) {
        qWarning("no Xvfb, openbox or dbus-daemon: the desktop session tests will skip");
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The desktop's own choices would change what the tests meet.
    qunsetenv("QT_QPA_PLATFORMTHEME");
    qunsetenv("XDG_CURRENT_DESKTOP");
    QApplication app(argc, argv);

    int failures = 0;
    for (auto run : {RunSniTrayTests, RunDragZoneUnderWindowManagerTests})
        failures += run(argc, argv);
    return failures;
}
