// What the real program does at start-up and with its settings, run after run: setup.ini decides
// the drag zone and whether a finished download's folder is opened, the settings dialog's OK
// changes both in the running program, and tools left running by an earlier run end.

#include "DesktopSession.h"
#include "LocalSite.h"
#include "ProgramRun.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <memory>

namespace {

const QString Short = QStringLiteral("Q2xV9dLm4bA"); // 3 s

// Settings controls, in the dialog's own coordinates.
const QRect SettingsOk(248, 112, 93, 37);

bool SameFolder(const QString& opened, const QString& folder) {
    return QDir::cleanPath(QUrl(opened).toLocalFile()) == QDir::cleanPath(folder);
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void setupIniAtStart_data();
    void setupIniAtStart();
    void settingsOkReachesTheRunningProgram();
    void staleToolsEndAtStart();

private:
    // Where the drag zone, a 34 px tile of the program's, is on the screen; empty while it
    // is not shown.
    QString DragZonePlace() const;
    bool DragZoneShown() const { return !DragZonePlace().isEmpty(); }
    // Queues the short video into `folder` through the toolbar and waits until it is there.
    void Download(ProgramRun& run, const QString& folder);

    DesktopSession desktop_;
    std::unique_ptr<LocalSite> site_;
};

void TestStartup::initTestCase() {
    QVERIFY(desktop_.Start());
    site_ = std::make_unique<LocalSite>(QStringList{},
                                        qEnvironmentVariable("VIDLARK_BINDIR") + "/../site-cache");
    QVERIFY2(site_->Start(), qPrintable(site_->Error()));
}

QString TestStartup::DragZonePlace() const {
    const QString ids = desktop_.Tool("xdotool", {"search", "--onlyvisible", "--class", "vidlark"});
    for (const QString& id : ids.split(u'\n', Qt::SkipEmptyParts)) {
        const QString shape = desktop_.Tool("xdotool", {"getwindowgeometry", id});
        if (shape.contains("Geometry: 34x34"))
            return shape.section("Position: ", 1).section(u' ', 0, 0);
    }
    return {};
}

void TestStartup::Download(ProgramRun& run, const QString& folder) {
    QVERIFY(QDir().mkpath(folder));
    const QString target = folder + "/short.flv";
    run.QueueThroughToolbar(site_->Root() + "/watch?v=" + Short, target);
    if (QTest::currentTestFailed())
        return;
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(target).size() == site_->Video(Short).bytes, 60000);
}

// No file, or 0 in a line, keeps the start-up's defaults: the drag zone and the folder opened
// after a download. A 1 in the first line keeps the folder shut, in the second the zone away.
void TestStartup::setupIniAtStart_data() {
    QTest::addColumn<QByteArray>("setupIni");
    QTest::addColumn<bool>("dragZone");
    QTest::addColumn<bool>("folderOpened");
    QTest::newRow("no file") << QByteArray() << true << true;
    QTest::newRow("first value 1") << QByteArray("1\r\n0\r\n") << true << false;
    QTest::newRow("second value 1") << QByteArray("0\r\n1\r\n") << false << true;
}

void TestStartup::setupIniAtStart() {
    QFETCH(QByteArray, setupIni);
    QFETCH(bool, dragZone);
    QFETCH(bool, folderOpened);
    ProgramRun run(desktop_, site_->Root());
    QVERIFY(run.Prepare(setupIni));
    run.Start();
    QVERIFY(!desktop_.WaitForWindow("Vidlark").isEmpty());
    // The zone is shown, near the top-right corner, before the main window: by now it is there
    // or it does not come before a task starts.
    QCOMPARE(DragZonePlace(), dragZone ? QStringLiteral("1200,33") : QString());

    const QString folder = run.Path("music");
    Download(run, folder);
    if (QTest::currentTestFailed())
        return;
    if (folderOpened) {
        QTRY_COMPARE_WITH_TIMEOUT(run.OpenedFolders().size(), 1, 10000);
        QVERIFY2(SameFolder(run.OpenedFolders().first(), folder),
                 qPrintable(run.OpenedFolders().first()));
    } else {
        // The folder would be opened right after the file lands; give the opener its time.
        QTest::qWait(2000);
        QCOMPARE(run.OpenedFolders(), QStringList());
    }
}

// Unticking "open folder" and ticking "hide drag zone" in the dialog of a running program hides
// the zone at once and keeps the next finished download's folder shut.
void TestStartup::settingsOkReachesTheRunningProgram() {
    ProgramRun run(desktop_, site_->Root());
    QVERIFY(run.Prepare(QByteArray()));
    run.Start();
    const QString window = desktop_.WaitForWindow("Vidlark");
    QVERIFY(!window.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(DragZoneShown(), 10000);

    QString settings;
    for (int attempt = 0; attempt < 5 && settings.isEmpty(); ++attempt) {
        desktop_.Click(window, FrameLayout::ToolbarRect(3));
        settings = desktop_.WaitForWindow("Settings", 3000);
    }
    QVERIFY(!settings.isEmpty());
    desktop_.Focus(settings);
    // The first list has the focus: "Do Nothing", then the second: "Hide the Drag Zone".
    desktop_.Keys({"Down", "Tab", "Down"});
    desktop_.Click(settings, SettingsOk);
    QTRY_VERIFY_WITH_TIMEOUT(desktop_.Windows("Settings").isEmpty(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!DragZoneShown(), 10000);
    QFile setup(run.AppDir() + "/setup.ini");
    QVERIFY(setup.open(QIODevice::ReadOnly));
    QCOMPARE(setup.readAll(), QByteArray("1\r\n1\r\n"));

    Download(run, run.Path("music"));
    if (QTest::currentTestFailed())
        return;
    QTest::qWait(2000);
    QCOMPARE(run.OpenedFolders(), QStringList());
    // Hidden by the dialog, the zone stays away while a task runs.
    QVERIFY(!DragZoneShown());
}

// A downloader and an encoder of ours left by an earlier run (stuck on a server that never
// answers) end when the program starts.
void TestStartup::staleToolsEndAtStart() {
    ProgramRun run(desktop_, site_->Root());
    QVERIFY(run.Prepare("1\r\n1\r\n"));
    QTcpServer silent;
    QList<QTcpSocket*> held;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    connect(&silent, &QTcpServer::newConnection, &silent, [&] {
        while (QTcpSocket* socket = silent.nextPendingConnection())
            held << socket;
    });
    const QString stalled = QStringLiteral("http://127.0.0.1:%1/").arg(silent.serverPort());
    QProcess downloader;
    QProcess encoder;
    downloader.start(run.AppDir() + "/data/wg",
                     {"-c", "-O", run.Path("stale.flv"), stalled + "get_video"});
    encoder.start(run.AppDir() + "/data/coder",
                  {"-i", stalled + "stale.flv", "-y", run.Path("stale.mp3")});
    QVERIFY(downloader.waitForStarted() && encoder.waitForStarted());
    // Both wait on the server: the encoder's ffmpeg has connected too.
    QTRY_COMPARE_WITH_TIMEOUT(held.size(), 2, 10000);
    QVERIFY(!downloader.waitForFinished(500));
    QCOMPARE(encoder.state(), QProcess::Running);

    run.Start();
    QVERIFY(!desktop_.WaitForWindow("Vidlark").isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(downloader.state(), QProcess::NotRunning, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(encoder.state(), QProcess::NotRunning, 10000);
    QCOMPARE(downloader.exitStatus(), QProcess::CrashExit); // ended by a signal
    QCOMPARE(encoder.exitStatus(), QProcess::CrashExit);
    QCOMPARE(run.Process().state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_Startup.moc"
