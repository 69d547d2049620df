// The desktop as most people meet it today: a real window manager (openbox), private to this
// test. It comes before the application object: Qt asks once what the window manager supports.

#include "PrivateDisplay.h"
#include "SessionReady.h"

#include <QApplication>

int RunDragZoneUnderWindowManagerTests(int argc, char** argv);

namespace {
bool ready = false;
}

bool SessionReady() {
    return ready;
}

int main(int argc, char** argv) {
    PrivateDisplay display;
    ready = display.StartServer() && display.StartWindowManager();
    if (!ready) {
        qWarning("no Xvfb or openbox: the desktop session tests will skip");
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The desktop's own choices would change what the tests meet.
    qunsetenv("QT_QPA_PLATFORMTHEME");
    qunsetenv("XDG_CURRENT_DESKTOP");
    QApplication app(argc, argv);

    int failures = 0;
    for (auto run : {RunDragZoneUnderWindowManagerTests})
        failures += run(argc, argv);
    return failures;
}
