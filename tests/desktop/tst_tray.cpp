// The tray icon: what each activation does, its place in a real tray host, and the failure
// notice it shows.

#include "ClipboardWatch.h"
#include "DensityShots.h"
#include "DesktopIntegration.h"
#include "frmPop.h"
#include "frmS.h"
#include "HiddenText.h"
#include "ScriptedPrompter.h"
#include "StandInMainWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>

class TrayTests : public QObject {
    Q_OBJECT
    HiddenText menuMsg{QStringLiteral("b0")};
    ScriptedPrompter prompter;

private Q_SLOTS:
    // In an XEmbed tray the clicks themselves arrive; a StatusNotifierItem host sends its
    // activation as a Trigger, its secondary activation as a middle click and its context
    // request as Context.
    void activation_data() {
        QTest::addColumn<frmS::TrayKind>("kind");
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<bool>("shownAfter");
        QTest::addColumn<bool>("minimisedAfter");
        QTest::addColumn<bool>("menuOpen");
        const auto xembed = frmS::TrayKind::XEmbed;
        const auto sni = frmS::TrayKind::StatusNotifier;
        const int dbl = QSystemTrayIcon::DoubleClick;
        const int left = QSystemTrayIcon::Trigger;
        const int right = QSystemTrayIcon::Context;
        const int middle = QSystemTrayIcon::MiddleClick;
        QTest::newRow("double-click restores hidden")
            << xembed << dbl << false << false << true << false << false;
        QTest::newRow("double-click restores minimised")
            << xembed << dbl << true << true << true << false << false;
        QTest::newRow("single left click does nothing")
            << xembed << left << false << false << false << false << false;
        QTest::newRow("middle click does nothing")
            << xembed << middle << true << true << true << true << false;
        QTest::newRow("right button opens Main")
            << xembed << right << false << false << false << false << true;
        QTest::newRow("host activation restores hidden")
            << sni << left << false << false << true << false << false;
        QTest::newRow("host activation restores minimised")
            << sni << left << true << true << true << false << false;
        QTest::newRow("host secondary activation does nothing")
            << sni << middle << false << false << false << false << false;
        QTest::newRow("host context request opens Main")
            << sni << right << false << false << false << false << true;
    }
    void activation() {
        QFETCH(frmS::TrayKind, kind);
        QFETCH(int, reason);
        QFETCH(bool, visible);
        QFETCH(bool, minimised);
        QFETCH(bool, shownAfter);
        QFETCH(bool, minimisedAfter);
        QFETCH(bool, menuOpen);
        StandInMainWindow mainWindow(visible, minimised);
        frmPop pop(menuMsg, prompter);
        frmS tray(pop.menuMain());
        tray.SetMainWindow(&mainWindow);

        tray.HandleTrayMouse(kind, QSystemTrayIcon::ActivationReason(reason));
        QCOMPARE(mainWindow.isVisible(), shownAfter);
        QCOMPARE(mainWindow.isMinimized(), minimisedAfter);
        QCOMPARE(pop.menuMain()->isVisible(), menuOpen);
        pop.menuMain()->close();
        QCOMPARE(menuMsg.Text(), QStringLiteral("b0"));
    }

    // On a denser screen the tray draws the logo afresh at its own pixels, not blown up.
    void iconAtDensity_data() { RatioRows({2.0, 1.5}); }

    void iconAtDensity() {
        QFETCH(qreal, ratio);
        frmPop pop(menuMsg, prompter);
        frmS tray(pop.menuMain());
        const QIcon icon = tray.trayIcon().icon();
        const QRect side(0, 0, 22, 22);
        const QImage dense = icon.pixmap(side.size(), ratio).toImage();
        QCOMPARE(dense.size(), DevicePixels(side, ratio).size());
        const QImage blownUp = BlownUp(icon.pixmap(side.size(), 1.0).toImage(), dense.size());
        QVERIFY(
            HoldsMoreDetail(dense.convertToFormat(QImage::Format_ARGB32), blownUp, side, ratio));
    }

    void iconSitsInTheTrayHost() {
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            QSKIP("no tray host on this display");
        frmPop pop(menuMsg, prompter);
        frmS tray(pop.menuMain());
        QVERIFY(!tray.HasTrayIcon());
        tray.AddTrayIcon();
        QVERIFY(tray.HasTrayIcon());
        QCOMPARE(tray.trayIcon().toolTip(), QStringLiteral(" Click Right Mouse Button "));
        QTRY_VERIFY(!tray.trayIcon().geometry().isEmpty());
        QCOMPARE(tray.Kind(), frmS::TrayKind::XEmbed);
        tray.RemoveTrayIcon();
        QVERIFY(!tray.HasTrayIcon());
    }

    void startupAndShutdownSteps() {
        HiddenText txtMessage;
        DesktopIntegration desktop(menuMsg, txtMessage, prompter, QApplication::clipboard());
        StartupSequence startup;
        ShutdownSequence shutdown;
        desktop.FillSteps(startup, shutdown);
        QVERIFY(startup.Run());
        QVERIFY(desktop.Tray().trayIcon().isVisible());
        QVERIFY(desktop.Watch().IsActive());
        QVERIFY(shutdown.Run());
        QVERIFY(!desktop.Tray().trayIcon().isVisible());
        QVERIFY(!desktop.Watch().IsActive());
    }

    void failureNoticeNamesFileAndReason() {
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            QSKIP("no tray host on this display");
        frmPop pop(menuMsg, prompter);
        frmS tray(pop.menuMain());
        tray.AddTrayIcon();
        QTRY_VERIFY(!tray.trayIcon().geometry().isEmpty());
        tray.ShowFailureNotice(QStringLiteral("/home/me/Music/song.mp3"),
                               QStringLiteral("the download did not finish"));
        const auto noticeText = [] {
            QString text;
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (!window->isVisible())
                    continue;
                for (QLabel* label : window->findChildren<QLabel*>())
                    text += label->text() + QLatin1Char('\n');
            }
            return text;
        };
        QTRY_VERIFY(noticeText().contains(QStringLiteral("song.mp3")));
        QVERIFY(noticeText().contains(QStringLiteral("the download did not finish")));
    }
};

int RunTrayTests(int argc, char** argv) {
    TrayTests tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_tray.moc"
