// The desktop tests run on a private X server with a tray host; without Xvfb they fall back to
// the offscreen platform and the tests that need a tray skip.

#include "PrivateDisplay.h"

#include <QApplication>
#include <QIcon>
#include <QSystemTrayIcon>
#include <QTest>

int RunMenuTests(int argc, char** argv);
int RunTrayTests(int argc, char** argv);
int RunSourceTests(int argc, char** argv);
int RunDragZoneTests(int argc, char** argv);

int main(int argc, char** argv) {
    PrivateDisplay display;
    if (!display.StartServer())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The tray shows the application's icon, which the program sets at start.
    app.setWindowIcon(QIcon(QStringLiteral(":/mainwindow/app_icon.svg")));
    display.StartTrayHost();
    if (!QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 10000))
        qWarning("no tray host: the tray tests will skip");

    int failures = 0;
    for (auto run : {RunMenuTests, RunTrayTests, RunSourceTests, RunDragZoneTests})
        failures += run(argc, argv);
    return failures;
}
