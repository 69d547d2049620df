// The whole program as a user drives it: the real binary on a private X display with a tray
// host, clicked and typed at through xdotool and fed through the clipboard, against the local
// site with the real wget and the encoder adapter behind data/. Every program run gets a
// private program folder and a private download folder.

#include "DesktopSession.h"
#include "FrameLayout.h"
#include "LocalSite.h"
#include "ProgramDriver.h"
#include "ProgramFolder.h"
#include "YtDlpStub.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace ProgramDriver;

namespace {

const QString Slow = QStringLiteral("P4nG2xR7jUa"); // throttled below

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void trayIconIsInTheTray();
    void copiedAddressQueuesAConversion();
    void foreignAddressThroughYtDlp();
    void secondStartEndsAtOnce();
    void exitMidDownloadLeavesNothing();
    void ytDlpEndsWithTheProgram();
    void unusableDownloadFolderTakesNoTask();
    void cleanupTestCase();

private:
    // `pathFirst`, when given, goes before the PATH the program would have.
    void StartProgram(QProcess& program, const QString& cacheHome, const QString& pathFirst = {});
    // Opens the add-task dialog from the toolbar, types `address` and `target` and presses
    // Download, with no conversion.
    void QueueThroughToolbar(const QString& address, const QString& target);

    DesktopSession desktop_;
    std::unique_ptr<LocalSite> site_;
    QTemporaryDir root_;
    QString appDir_;
    QString tempDir_;
    QString slowTarget_;
    QProcess first_;
    QProcess other_;
    // The user's own programs that happen to be called wg and coder (another executable): the
    // program must never wait on them or end them.
    QProcess foreignDownloader_;
    QProcess foreignEncoder_;
};

void TestProgram::StartProgram(QProcess& program, const QString& cacheHome,
                               const QString& pathFirst) {
    QProcessEnvironment environment = desktop_.Environment();
    environment.insert("XDG_CACHE_HOME", cacheHome);
    if (!pathFirst.isEmpty())
        environment.insert("PATH", pathFirst + ':' + environment.value("PATH"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(appDir_ + "/vidlark", {});
    QVERIFY(program.waitForStarted());
}

void TestProgram::QueueThroughToolbar(const QString& address, const QString& target) {
    const QString window = desktop_.WaitForWindow("Vidlark");
    QVERIFY(!window.isEmpty());
    // A window just mapped may not take a click yet; pressing Add again only brings the
    // dialog forward.
    QString dialog;
    for (int attempt = 0; attempt < 5 && dialog.isEmpty(); ++attempt) {
        desktop_.Click(window, FrameLayout::ToolbarRect(0));
        dialog = desktop_.WaitForWindow("Add New Download", 3000);
    }
    QVERIFY(!dialog.isEmpty());
    desktop_.Focus(dialog);
    // The dialog opens with the address box focused.
    desktop_.Type(address);
    desktop_.Click(dialog, SavePathBox);
    desktop_.Type(target);
    desktop_.Click(dialog, DownloadButton);
}

void TestProgram::initTestCase() {
    QVERIFY(desktop_.Start());
    site_ = std::make_unique<LocalSite>(QStringList{"--throttle", Slow + ":8"},
                                        qEnvironmentVariable("VIDLARK_BINDIR") + "/../site-cache");
    QVERIFY2(site_->Start(), qPrintable(site_->Error()));

    // No folder to open and no drag zone: the main window, the dialogs and the tray only.
    appDir_ = root_.filePath("vidlark");
    QVERIFY(MakeProgramFolder(
        appDir_, ("SiteRoot=" + site_->Root() + "\nFeedbackHost=" + site_->Root() + "\n").toUtf8(),
        "1\r\n1\r\n"));
    tempDir_ = root_.filePath("cache/vidlark/tmpDownload");
    slowTarget_ = root_.filePath("slow.flv");

    QVERIFY(QDir().mkpath(root_.filePath("foreign")));
    for (auto [name, process] :
         {std::pair{"wg", &foreignDownloader_}, {"coder", &foreignEncoder_}}) {
        const QString program = root_.filePath("foreign/") + name;
        QVERIFY(QFile::copy("/bin/sleep", program));
        QFile::setPermissions(program, QFile::ExeOwner | QFile::ReadOwner);
        process->start(program, {"3600"});
        QVERIFY(process->waitForStarted());
    }

    StartProgram(first_, root_.filePath("cache"));
    QVERIFY(!desktop_.WaitForWindow("Vidlark").isEmpty());
}

void TestProgram::trayIconIsInTheTray() {
    QTRY_VERIFY_WITH_TIMEOUT(desktop_.TrayHolds("vidlark"), 30000);
}

// A watch address copied anywhere opens the dialog holding it; the user picks MP3 and a path,
// and the converted file lands there.
void TestProgram::copiedAddressQueuesAConversion() {
    RunShortMp3Task(desktop_, site_->Root(), root_.filePath("music/short.mp3"));
    if (QTest::currentTestFailed())
        return;
    // Delivered: the task's temporary files are gone, the folder itself stays for the next.
    QTRY_VERIFY_WITH_TIMEOUT(QDir(tempDir_).entryList(QDir::Files).isEmpty(), 10000);
    QVERIFY(QFileInfo(tempDir_).isDir());
}

// An address of another host is resolved by the real yt-dlp to the page's media file, which
// arrives as the site serves it.
void TestProgram::foreignAddressThroughYtDlp() {
    const QString target = root_.filePath("foreign.webm");
    QueueThroughToolbar(site_->OtherRoot() + "/watch?v=" + Short, target);
    if (QTest::currentTestFailed())
        return;
    const QByteArray served = LocalSite::Fetch(site_->OtherRoot() + "/media/" + Short + ".webm");
    QVERIFY(served.size() > 1000);
    QTRY_COMPARE_WITH_TIMEOUT(ReadAll(target), served, 60000);
    QTRY_VERIFY_WITH_TIMEOUT(QDir(tempDir_).entryList(QDir::Files).isEmpty(), 10000);
}

void TestProgram::secondStartEndsAtOnce() {
    QueueThroughToolbar(site_->Root() + "/watch?v=" + Slow, slowTarget_);
    if (QTest::currentTestFailed())
        return;
    QTRY_VERIFY_WITH_TIMEOUT(Processes("wg", tempDir_).size() == 1, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(
        QFileInfo(QDir(tempDir_).entryInfoList(QDir::Files).value(0)).size() > 0, 20000);

    const QStringList downloader = Processes("wg", tempDir_);
    QProcess second;
    StartProgram(second, root_.filePath("cache"));
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(Processes("wg", tempDir_), downloader);
    QCOMPARE(first_.state(), QProcess::Running);
    QVERIFY(!QDir(tempDir_).entryList(QDir::Files).isEmpty());
}

void TestProgram::exitMidDownloadLeavesNothing() {
    QVERIFY(!Processes("wg", tempDir_).isEmpty());
    PressExit(desktop_);
    // The list has a row, so the program asks first.
    const QString question = desktop_.WaitForWindow("Warning");
    QVERIFY(!question.isEmpty());
    desktop_.Focus(question);
    desktop_.Keys({"Return"});

    QVERIFY(first_.waitForFinished(10000));
    QVERIFY(Processes("wg", tempDir_).isEmpty());
    QVERIFY(Processes("coder", tempDir_).isEmpty());
    // Neither start-up nor a whole task nor Exit touched the user's own wg and coder.
    QCOMPARE(foreignDownloader_.state(), QProcess::Running);
    QCOMPARE(foreignEncoder_.state(), QProcess::Running);
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(tempDir_), 10000);
    QVERIFY(!QFileInfo::exists(slowTarget_));
    QTRY_VERIFY_WITH_TIMEOUT(!desktop_.TrayHolds("vidlark"), 10000);
}

// yt-dlp never outlives the program: Exit ends it, and so does the program's own sudden end.
void TestProgram::ytDlpEndsWithTheProgram() {
    QTemporaryDir stubs;
    QVERIFY(!ytdlpstub::Write(stubs.path(), ytdlpstub::Silent).isEmpty());
    for (const bool byExit : {true, false}) {
        QFile::remove(stubs.filePath("pid"));
        QProcess program;
        StartProgram(program, root_.filePath("stubbed"), stubs.path());
        QueueThroughToolbar(site_->OtherRoot() + "/watch?v=" + Short, root_.filePath("no.flv"));
        if (QTest::currentTestFailed())
            return;
        QTRY_VERIFY_WITH_TIMEOUT(ytdlpstub::IsAlive(ytdlpstub::Pid(stubs.path())), 20000);
        const qint64 pid = ytdlpstub::Pid(stubs.path());
        if (byExit) {
            PressExit(desktop_);
            const QString question = desktop_.WaitForWindow("Warning");
            QVERIFY(!question.isEmpty());
            desktop_.Focus(question);
            desktop_.Keys({"Return"});
        } else {
            program.kill();
        }
        QVERIFY(program.waitForFinished(10000));
        QTRY_VERIFY_WITH_TIMEOUT(!ytdlpstub::IsAlive(pid), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(desktop_.Windows("Vidlark").isEmpty(), 10000);
    }
    QVERIFY(!QFileInfo::exists(root_.filePath("no.flv")));
}

// A link planted at the download folder's place would send the download elsewhere: the task is
// refused with a message and nothing is written through the link.
void TestProgram::unusableDownloadFolderTakesNoTask() {
    const QString cache = root_.filePath("planted");
    const QString elsewhere = root_.filePath("elsewhere");
    QVERIFY(QDir().mkpath(cache + "/vidlark") && QDir().mkpath(elsewhere));
    QVERIFY(QFile::link(elsewhere, cache + "/vidlark/tmpDownload"));
    const QString target = root_.filePath("never.flv");
    StartProgram(other_, cache);
    QueueThroughToolbar(site_->Root() + "/watch?v=" + Short, target);
    if (QTest::currentTestFailed())
        return;

    // The main window and the message both carry the program's name.
    QTRY_VERIFY_WITH_TIMEOUT(desktop_.Windows("Vidlark").size() == 2, 10000);
    QVERIFY(Processes("wg", cache).isEmpty());
    QVERIFY(QDir(elsewhere).isEmpty());
    QVERIFY(!QFileInfo::exists(target));
}

void TestProgram::cleanupTestCase() {
    for (QProcess* program : {&first_, &other_, &foreignDownloader_, &foreignEncoder_}) {
        if (program->state() != QProcess::NotRunning) {
            program->kill();
            program->waitForFinished();
        }
    }
    for (const QString& pid : Processes("wg", root_.path()))
        QProcess::execute("kill", {pid});
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_Program.moc"
