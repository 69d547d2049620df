// The tray icon on a StatusNotifierItem host: a stand-in host on the private session bus takes
// the icon's registration and calls the item's methods as a panel does for the user's clicks.

#include "frmPop.h"
#include "frmS.h"
#include "HiddenText.h"
#include "ScriptedPrompter.h"
#include "SessionReady.h"
#include "StandInMainWindow.h"

#include <QMenu>
#include <QProcess>
#include <QTest>

class SniTrayTests : public QObject {
    Q_OBJECT
    HiddenText menuMsg{QStringLiteral("b0")};
    ScriptedPrompter prompter;
    QProcess host;

    // The next line the host prints that starts with `start`, waiting for it; empty when none
    // came.
    QString HostSays(const QString& start) {
        QString line;
        const bool came = QTest::qWaitFor(
            [&] {
                while (host.canReadLine()) {
                    line = QString::fromUtf8(host.readLine()).trimmed();
                    if (line.startsWith(start))
                        return true;
                }
                return false;
            },
            10000);
        return came ? line : QString();
    }

private Q_SLOTS:
    void initTestCase() {
        if (!SessionReady())
            QSKIP("no private display, window manager and session bus here");
        host.start(QStringLiteral(SNIHOST_PATH), QStringList());
        QVERIFY(host.waitForStarted(5000));
        QCOMPARE(HostSays(QStringLiteral("ready")), QStringLiteral("ready"));
    }

    void cleanupTestCase() {
        host.closeWriteChannel();
        if (!host.waitForFinished(3000))
            host.kill();
    }

    void hostCallsReachTheProgram_data() {
        QTest::addColumn<QString>("method");
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<bool>("shownAfter");
        QTest::addColumn<bool>("menuOpen");
        QTest::newRow("activation restores hidden") << "Activate" << false << true << false;
        QTest::newRow("activation restores minimised") << "Activate" << true << true << false;
        QTest::newRow("context request opens Main") << "ContextMenu" << false << false << true;
        QTest::newRow("secondary activation does nothing")
            << "SecondaryActivate" << false << false << false;
    }
    void hostCallsReachTheProgram() {
        QFETCH(QString, method);
        QFETCH(bool, minimised);
        QFETCH(bool, shownAfter);
        QFETCH(bool, menuOpen);
        StandInMainWindow mainWindow(minimised, minimised);
        frmPop pop(menuMsg, prompter);
        frmS tray(pop.menuMain());
        tray.SetMainWindow(&mainWindow);
        QVERIFY(QSystemTrayIcon::isSystemTrayAvailable());
        tray.AddTrayIcon();
        QVERIFY(HostSays(QStringLiteral("registered "))
                    .contains(QStringLiteral("/StatusNotifierItem")));
        QCOMPARE(tray.Kind(), frmS::TrayKind::StatusNotifier);

        host.write(method.toUtf8() + '\n');
        // The item answers once its handler has run.
        QCOMPARE(HostSays(QStringLiteral("answered ")), QStringLiteral("answered ") + method);
        QTRY_COMPARE(pop.menuMain()->isVisible(), menuOpen);
        QCOMPARE(mainWindow.isVisible(), shownAfter);
        if (shownAfter)
            QVERIFY(!mainWindow.isMinimized());
        pop.menuMain()->close();
        QCOMPARE(menuMsg.Text(), QStringLiteral("b0"));
    }
};

int RunSniTrayTests(int argc, char** argv) {
    SniTrayTests tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_tray_sni.moc"
