// The drag zone under a real window manager, driven through the X server as a user's hands
// would (xdotool): the tile is dragged by the window manager, its menu is used, and a
// double-click still brings the main window back.

#include "frmDrag.h"
#include "frmPop.h"
#include "HiddenText.h"
#include "ScriptedPrompter.h"
#include "SessionReady.h"
#include "StandInMainWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTest>

namespace {

QString Number(int value) {
    return QString::number(value);
}

// Runs xdotool on the test's display while this program goes on answering the window system.
bool Xdo(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForStarted(5000))
        return false;
    return QTest::qWaitFor([&] { return tool.state() == QProcess::NotRunning; }, 15000) &&
           tool.exitCode() == 0;
}

// A press, a slow drag by `by` as a hand makes it, and the release.
bool Drag(QPoint from, QPoint by) {
    QStringList steps{QStringLiteral("mousemove"), Number(from.x()), Number(from.y()),
                      QStringLiteral("mousedown"), QStringLiteral("1")};
    for (int step = 1; step <= 4; ++step) {
        const QPoint at = from + by * step / 4;
        steps << QStringLiteral("sleep") << QStringLiteral("0.15") << QStringLiteral("mousemove")
              << Number(at.x()) << Number(at.y());
    }
    steps << QStringLiteral("sleep") << QStringLiteral("0.15") << QStringLiteral("mouseup")
          << QStringLiteral("1");
    return Xdo(steps);
}

bool ClickAt(QPoint at, int button, int times = 1) {
    return Xdo({QStringLiteral("mousemove"), Number(at.x()), Number(at.y()),
                QStringLiteral("click"), QStringLiteral("--repeat"), Number(times),
                QStringLiteral("--delay"), QStringLiteral("120"), Number(button)});
}

} // namespace

class DragZoneUnderWindowManagerTests : public QObject {
    Q_OBJECT
    HiddenText menuMsg{QStringLiteral("b0")};
    ScriptedPrompter prompter;

private Q_SLOTS:
    void initTestCase() {
        if (!SessionReady())
            QSKIP("no private display, window manager and session bus here");
    }

    void doubleClickRestoresWhateverCameBefore_data() {
        QTest::addColumn<bool>("drag");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<bool>("onLabel");
        QTest::newRow("fresh tile") << false << false << false;
        QTest::newRow("after a drag") << true << false << false;
        QTest::newRow("after the menu") << false << true << false;
        QTest::newRow("after a drag and the menu, on the label") << true << true << true;
    }
    void doubleClickRestoresWhateverCameBefore() {
        QFETCH(bool, drag);
        QFETCH(bool, menu);
        QFETCH(bool, onLabel);
        StandInMainWindow mainWindow(false, false);
        frmPop pop(menuMsg, prompter);
        pop.SetMainWindow(&mainWindow);
        frmDrag tile;
        tile.SetMainWindow(&mainWindow);
        tile.SetMainMenu(pop.menuMain());
        tile.ShowAndPlace();
        tile.SetProgressVisible(onLabel);
        QVERIFY(QTest::qWaitForWindowExposed(&tile));
        const QPoint grip(17, 22);

        if (drag) {
            const QPoint before = tile.pos();
            QVERIFY(Drag(tile.mapToGlobal(grip), QPoint(-120, 60)));
            // The window manager moved it, a little behind the pointer's first steps.
            QTRY_VERIFY(tile.pos().x() < before.x() - 60 && tile.pos().y() > before.y() + 30);
        }
        if (menu) {
            // "Open/Hide Main Window(&M)" twice: shown, then hidden again.
            QMenu* main = pop.menuMain();
            QAction* openHide = main->actions().first();
            for (bool shown : {true, false}) {
                QVERIFY(ClickAt(tile.mapToGlobal(grip), 3));
                QTRY_VERIFY(main->isVisible());
                QVERIFY(ClickAt(main->mapToGlobal(main->actionGeometry(openHide).center()), 1));
                QTRY_COMPARE(mainWindow.isVisible(), shown);
                QTRY_VERIFY(!main->isVisible());
            }
        }

        const QPoint placed = tile.pos();
        const QPoint target = onLabel ? tile.lblPro()->geometry().center() : grip;
        QVERIFY(ClickAt(tile.mapToGlobal(target), 1, 2));
        QTRY_VERIFY(mainWindow.isVisible());
        QVERIFY(!mainWindow.isMinimized());
        QCOMPARE(tile.pos(), placed); // a double-click moves nothing
    }
};

int RunDragZoneUnderWindowManagerTests(int argc, char** argv) {
    DragZoneUnderWindowManagerTests tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_dragzone_wm.moc"
