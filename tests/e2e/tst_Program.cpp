// The whole program, as a user drives it: the real binary on the test's X display, queueing a
// task through its window and keyboard, against the local site with the real wget behind
// data/wg. Each run gets a private program folder and a private download folder.

#include "LocalSite.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString Slow = QStringLiteral("P4nG2xR7jUa");

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Running processes named `name` whose command line holds `mark` (an ended process waiting to
// be reaped has none, so it does not count).
QStringList Processes(const QString& name, const QString& mark) {
    QStringList found;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        if (ReadAll("/proc/" + pid + "/comm").trimmed() == name.toUtf8() &&
            ReadAll("/proc/" + pid + "/cmdline").contains(mark.toUtf8()))
            found.append(pid);
    }
    return found;
}

QString Xdo(const QStringList& arguments) {
    QProcess xdo;
    xdo.start("xdotool", arguments);
    xdo.waitForFinished(10000);
    return QString::fromUtf8(xdo.readAllStandardOutput()).trimmed();
}

// The first window whose title is exactly `title`, waiting for it to appear.
QString WaitForWindow(const QString& title, int timeoutMs = 15000) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        const QString ids = Xdo({"search", "--onlyvisible", "--name", "^" + title + "$"});
        if (!ids.isEmpty())
            return ids.section(u'\n', 0, 0);
        QTest::qWait(100);
    }
    return {};
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void secondStartEndsAtOnce();
    void exitMidDownloadLeavesNothing();
    void cleanupTestCase();

private:
    void StartProgram(QProcess& program);

    std::unique_ptr<LocalSite> site_;
    QTemporaryDir root_;
    QString appDir_;
    QString tempDir_;
    QString target_;
    QProcess first_;
};

void TestProgram::StartProgram(QProcess& program) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CACHE_HOME", root_.filePath("cache"));
    environment.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(appDir_ + "/vidlark", {});
    QVERIFY(program.waitForStarted());
}

void TestProgram::initTestCase() {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X display");
    site_ = std::make_unique<LocalSite>(QStringList{"--throttle", Slow + ":8"},
                                        qEnvironmentVariable("VIDLARK_BINDIR") + "/../site-cache");
    QVERIFY2(site_->Start(), qPrintable(site_->Error()));

    // A private copy of the program folder, so that its settings and lock are this test's own.
    const QString built = qEnvironmentVariable("VIDLARK_APPDIR");
    appDir_ = root_.filePath("vidlark");
    QVERIFY(QDir().mkpath(appDir_ + "/data") && QDir().mkpath(appDir_ + "/sound"));
    QVERIFY(QFile::copy(built + "/vidlark", appDir_ + "/vidlark"));
    QFile::setPermissions(appDir_ + "/vidlark", QFile::ExeOwner | QFile::ReadOwner);
    for (const QString tool : {"wg", "coder", "dirsweep"})
        QVERIFY(QFile::link(QFileInfo(built + "/data/" + tool).absoluteFilePath(),
                            appDir_ + "/data/" + tool));
    QFile::copy(built + "/sound/sound.wav", appDir_ + "/sound/sound.wav");
    QFile site(appDir_ + "/site.ini");
    QVERIFY(site.open(QIODevice::WriteOnly));
    site.write(("SiteRoot=" + site_->Root() + "\n").toUtf8());
    site.close();
    // No folder to open and no drag zone: nothing but the main window on the display.
    QFile setup(appDir_ + "/setup.ini");
    QVERIFY(setup.open(QIODevice::WriteOnly));
    setup.write("1\r\n1\r\n");
    setup.close();
    tempDir_ = root_.filePath("cache/vidlark/tmpDownload");
    target_ = root_.filePath("slow.flv");

    StartProgram(first_);
    const QString window = WaitForWindow("Vidlark");
    QVERIFY(!window.isEmpty());
    Xdo({"windowfocus", "--sync", window});
    Xdo({"key", "ctrl+n"});
    const QString dialog = WaitForWindow("Add New Download");
    QVERIFY(!dialog.isEmpty());
    Xdo({"windowfocus", "--sync", dialog});
    // The dialog opens with the address box focused; with no conversion, two Tabs reach the
    // file path, and two more the Download button.
    Xdo({"type", "--delay", "5", site_->Root() + "/watch?v=" + Slow});
    Xdo({"key", "Tab", "Tab"});
    Xdo({"type", "--delay", "5", target_});
    Xdo({"key", "Tab", "Tab", "space"});
    QTRY_VERIFY_WITH_TIMEOUT(Processes("wg", tempDir_).size() == 1, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(
        QFileInfo(QDir(tempDir_).entryInfoList(QDir::Files).value(0)).size() > 0, 20000);
}

void TestProgram::secondStartEndsAtOnce() {
    const QStringList downloader = Processes("wg", tempDir_);
    QProcess second;
    StartProgram(second);
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(Processes("wg", tempDir_), downloader);
    QCOMPARE(first_.state(), QProcess::Running);
    QVERIFY(!QDir(tempDir_).entryList(QDir::Files).isEmpty());
}

void TestProgram::exitMidDownloadLeavesNothing() {
    QVERIFY(!Processes("wg", tempDir_).isEmpty());
    Xdo({"windowfocus", "--sync", WaitForWindow("Vidlark")});
    Xdo({"key", "ctrl+q"});
    // The list has a row, so the program asks first.
    const QString question = WaitForWindow("Warning");
    QVERIFY(!question.isEmpty());
    Xdo({"windowfocus", "--sync", question});
    Xdo({"key", "Return"});

    QVERIFY(first_.waitForFinished(10000));
    QVERIFY(Processes("wg", root_.path()).isEmpty());
    QVERIFY(Processes("coder", root_.path()).isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(tempDir_), 10000);
    QVERIFY(!QFileInfo::exists(target_));
}

void TestProgram::cleanupTestCase() {
    if (first_.state() != QProcess::NotRunning) {
        first_.kill();
        first_.waitForFinished();
    }
    for (const QString& pid : Processes("wg", root_.path()))
        QProcess::execute("kill", {pid});
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_Program.moc"
