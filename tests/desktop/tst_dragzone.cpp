// The drag zone: its looks through a whole task, its first use, placement, moving, the menu,
// restoring the main window, and drops on the tile and on its label.

#include "DensityShots.h"
#include "frmDrag.h"
#include "frmPop.h"
#include "HiddenText.h"
#include "ScriptedPrompter.h"
#include "StandInMainWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {

// Dark logo in the middle of the idle tile, light face there while busy.
bool ShowsLogo(frmDrag& tile) {
    return tile.grab().toImage().pixelColor(9, 12).lightness() < 128;
}

void Drop(QWidget* target, const QMimeData& data) {
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
}

} // namespace

class DragZoneTests : public QObject {
    Q_OBJECT
    HiddenText menuMsg{QStringLiteral("b0")};
    ScriptedPrompter prompter;

private Q_SLOTS:
    void looksAcrossAWholeTask() {
        frmDrag tile;
        tile.ShowAndPlace();
        QVERIFY(QTest::qWaitForWindowExposed(&tile));
        struct Step {
            void (*act)(frmDrag&);
            bool logo;
            bool labelShown;
            QString label;
        };
        const QList<Step> task{
            {[](frmDrag&) {}, true, false, "0%"},
            {[](frmDrag& t) { t.SetBusyLook(true); }, false, false, "0%"},
            {[](frmDrag& t) { t.SetProgressVisible(true); }, false, true, "0%"},
            {[](frmDrag& t) { t.SetProgressText("37%"); }, false, true, "37%"},
            {[](frmDrag& t) { t.SetProgressText("<->"); }, false, true, "<->"},
            {[](frmDrag& t) { t.SetProgressText("100%"); }, false, true, "100%"},
            {[](frmDrag& t) { t.SetProgressVisible(false); }, false, false, "100%"},
            {[](frmDrag& t) { t.SetProgressText("0%"); }, false, false, "0%"},
            {[](frmDrag& t) { t.SetBusyLook(false); }, true, false, "0%"},
        };
        for (qsizetype i = 0; i < task.size(); ++i) {
            task.at(i).act(tile);
            QVERIFY2(ShowsLogo(tile) == task.at(i).logo, qPrintable(QString::number(i)));
            QCOMPARE(tile.lblPro()->isVisible(), task.at(i).labelShown);
            QCOMPARE(tile.lblPro()->text(), task.at(i).label);
        }
    }

    // On a denser screen the tile is drawn at its pixels, with detail its 1x picture blown up
    // lacks.
    void tileAtDensity_data() { RatioRows({2.0, 1.5}); }

    void tileAtDensity() {
        QFETCH(qreal, ratio);
        frmDrag tile;
        const QImage dense = RenderedAt(tile, ratio);
        const QImage blownUp = BlownUp(RenderedAt(tile, 1.0), dense.size());
        QVERIFY(HoldsMoreDetail(dense, blownUp, tile.rect(), ratio));
    }

    void startupPlacement() {
        frmDrag tile;
        tile.ShowAndPlace();
        QVERIFY(QTest::qWaitForWindowExposed(&tile));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(tile.size(), QSize(34, 34));
        QCOMPARE(tile.pos(), QPoint(screen.right() + 1 - 80, screen.top() + 33));
        QCOMPARE(qRound(tile.windowOpacity() * 255), 210);
        QVERIFY(tile.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(tile.windowFlags().testFlag(Qt::FramelessWindowHint));
    }

    void firstUseWhenHiddenAtStart_data() {
        QTest::addColumn<bool>("settingsHidItFirst");
        QTest::addColumn<bool>("shownAfterTaskStart");
        QTest::newRow("task starts first: shows up, unplaced") << false << true;
        QTest::newRow("settings hid it first: stays hidden") << true << false;
    }
    void firstUseWhenHiddenAtStart() {
        QFETCH(bool, settingsHidItFirst);
        QFETCH(bool, shownAfterTaskStart);
        frmDrag tile;
        QVERIFY(!tile.IsLoaded());
        if (settingsHidItFirst)
            tile.SetShown(false);
        tile.SetBusyLook(true);
        tile.SetProgressVisible(true);
        tile.SetProgressText(QStringLiteral("5%"));
        QVERIFY(tile.IsLoaded());
        QCOMPARE(tile.isVisible(), shownAfterTaskStart);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(tile.pos() != frmDrag::StartupPosition(screen));
        tile.SetShown(true);
        QVERIFY(tile.isVisible());
        QCOMPARE(qRound(tile.windowOpacity() * 255), 210);
    }

    void dropsOnTileAndLabel_data() {
        QTest::addColumn<bool>("onLabel");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("offered");
        const QByteArray address = "http://127.0.0.1:8080/watch?v=zz9";
        QTest::newRow("text on the tile") << false << "text/plain" << address << QString(address);
        QTest::newRow("text on the label") << true << "text/plain" << address << QString(address);
        QTest::newRow("link list on the label") << true << "text/uri-list" << address + "\r\n"
                                                << QString(address);
        QTest::newRow("file on the tile")
            << false << "text/uri-list" << QByteArray("file:///tmp/a.flv\r\n") << QString();
    }
    void dropsOnTileAndLabel() {
        QFETCH(bool, onLabel);
        QFETCH(QString, format);
        QFETCH(QByteArray, payload);
        QFETCH(QString, offered);
        frmDrag tile;
        tile.ShowAndPlace();
        tile.SetBusyLook(true);
        tile.SetProgressVisible(true);
        QSignalSpy offers(&tile, &frmDrag::AddressOffered);
        QMimeData data;
        data.setData(format, payload);
        Drop(onLabel ? static_cast<QWidget*>(tile.lblPro()) : &tile, data);
        QCOMPARE(offers.size(), offered.isEmpty() ? 0 : 1);
        if (!offered.isEmpty())
            QCOMPARE(offers.first().first().toString(), offered);
    }

    void rightPressOpensMainMenuAtPointer() {
        frmPop pop(menuMsg, prompter);
        frmDrag tile;
        tile.SetMainMenu(pop.menuMain());
        tile.ShowAndPlace();
        QVERIFY(QTest::qWaitForWindowExposed(&tile));
        QTest::mousePress(tile.windowHandle(), Qt::RightButton, {}, QPoint(20, 20));
        QTRY_VERIFY(pop.menuMain()->isVisible());
        const QPoint pointer = tile.mapToGlobal(QPoint(20, 20));
        const QRect menu = pop.menuMain()->geometry();
        QVERIFY(menu.contains(pointer) || menu.right() < pointer.x());
        pop.menuMain()->close();
        QCOMPARE(menuMsg.Text(), QStringLiteral("b0"));
        QCOMPARE(tile.pos(),
                 frmDrag::StartupPosition(QGuiApplication::primaryScreen()->geometry()));
    }

    void leftPressMovesTheTile() {
        frmDrag tile;
        tile.ShowAndPlace();
        QVERIFY(QTest::qWaitForWindowExposed(&tile));
        const QPoint start = tile.pos();
        const QPoint target = tile.mapToGlobal(QPoint(5, 5)) + QPoint(-60, 40);
        QTest::mousePress(tile.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(tile.windowHandle(), tile.mapFromGlobal(target));
        QTest::mouseRelease(tile.windowHandle(), Qt::LeftButton, {}, tile.mapFromGlobal(target));
        QTRY_COMPARE(tile.pos(), start + QPoint(-60, 40));
    }

    void doubleClickRestoresMainWindow_data() {
        QTest::addColumn<bool>("onLabel");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("minimised");
        QTest::newRow("hidden, tile") << false << false << false;
        QTest::newRow("minimised, tile") << false << true << true;
        QTest::newRow("hidden, label") << true << false << false;
    }
    void doubleClickRestoresMainWindow() {
        QFETCH(bool, onLabel);
        QFETCH(bool, visible);
        QFETCH(bool, minimised);
        StandInMainWindow mainWindow(visible, minimised);
        frmDrag tile;
        tile.SetMainWindow(&mainWindow);
        tile.ShowAndPlace();
        tile.SetProgressVisible(true);
        QVERIFY(QTest::qWaitForWindowExposed(&tile));
        const QPoint at = onLabel ? tile.lblPro()->geometry().center() : QPoint(30, 30);
        QTest::mouseDClick(tile.windowHandle(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(mainWindow.isVisible());
        QVERIFY(!mainWindow.isMinimized());
    }
};

int RunDragZoneTests(int argc, char** argv) {
    DragZoneTests tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_dragzone.moc"
