#include "AppPaths.h"
#include "ProcessTable.h"
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

// A child process that takes the given command name (and, when asked, another user) and then
// either waits to be ended or ends at once and stays unreaped.
pid_t StartNamedChild(const char* name, bool exitAtOnce, uid_t user = getuid()) {
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_NAME, name);
        if (user != getuid() &&
            (setresgid(user, user, user) != 0 || setresuid(user, user, user) != 0))
            _exit(1);
        if (exitAtOnce)
            _exit(0);
        for (;;)
            pause();
    }
    return pid;
}

char ProcessState(pid_t pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close > 0 && close + 2 < text.size() ? text.at(close + 2) : 0;
}

QByteArray CommandName(pid_t pid) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) ? comm.readAll().trimmed() : QByteArray();
}

uint Mode(const QString& path) {
    struct stat info {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// The program the forked children run: this test itself.
QString Self() {
    return QCoreApplication::applicationFilePath();
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void findsAndEndsByName_data();
    void findsAndEndsByName();
    void unreapedProcessDoesNotCount();
    void otherUsersProcessesAreLeftAlone();
    void tempDirPath_data();
    void tempDirPath();
    void ensureTempDir_data();
    void ensureTempDir();
    void secondInstanceIsRefused();

private:
    std::unique_ptr<QTemporaryDir> home_;
};

void TestPlatform::init() {
    home_ = std::make_unique<QTemporaryDir>();
    qputenv("HOME", QFile::encodeName(home_->path()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home_->path() + "/cache"));
}

void TestPlatform::findsAndEndsByName_data() {
    QTest::addColumn<QString>("started");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("found");
    QTest::newRow("same name") << "vlp-name"
                               << "vlp-name" << Self() << true;
    QTest::newRow("same name, another program") << "vlp-name"
                                                << "vlp-name"
                                                << "/bin/sh" << false;
    QTest::newRow("same name, no program file") << "vlp-name"
                                                << "vlp-name"
                                                << "/nonexistent/wg" << false;
    QTest::newRow("other letter case") << "vlp-Name"
                                       << "VLP-NAME" << Self() << true;
    QTest::newRow("a prefix is another name") << "vlp-name"
                                              << "vlp-nam" << Self() << false;
    QTest::newRow("long names compare as the kernel keeps them")
        << "vlp-a-very-long-name"
        << "vlp-a-very-long-name" << Self() << true;
}

void TestPlatform::findsAndEndsByName() {
    QFETCH(QString, started);
    QFETCH(QString, asked);
    QFETCH(QString, program);
    QFETCH(bool, found);
    const pid_t pid = StartNamedChild(qPrintable(started), false);
    QVERIFY(pid > 0);
    QTRY_VERIFY(IsProcessRunning(started, Self()));
    QCOMPARE(IsProcessRunning(asked, program), found);

    KillProcessesByName(asked, program);
    int status = 0;
    if (found) {
        QCOMPARE(waitpid(pid, &status, 0), pid);
        QVERIFY(WIFSIGNALED(status));
        QVERIFY(!IsProcessRunning(started, Self()));
    } else {
        QCOMPARE(waitpid(pid, &status, WNOHANG), 0);
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
}

void TestPlatform::unreapedProcessDoesNotCount() {
    const pid_t pid = StartNamedChild("vlp-zombie", true);
    QTRY_COMPARE(ProcessState(pid), 'Z');
    QVERIFY(!IsProcessRunning("vlp-zombie", Self()));
    waitpid(pid, nullptr, 0);
}

void TestPlatform::otherUsersProcessesAreLeftAlone() {
    if (geteuid() != 0)
        QSKIP("starting a process of another user needs root");
    const pid_t pid = StartNamedChild("vlp-foreign", false, Nobody);
    QTRY_COMPARE(ProcessState(pid), 'S');
    QTRY_COMPARE(CommandName(pid), QByteArray("vlp-foreign"));
    QVERIFY(!IsProcessRunning("vlp-foreign", Self()));
    KillProcessesByName("vlp-foreign", Self());
    QTest::qWait(100);
    QCOMPARE(waitpid(pid, nullptr, WNOHANG), 0);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

void TestPlatform::tempDirPath_data() {
    QTest::addColumn<QByteArray>("xdgCache");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cache variable") << QByteArray("/srv/c") << "/srv/c/vidlark/tmpDownload/";
    QTest::newRow("unset") << QByteArray() << "HOME/.cache/vidlark/tmpDownload/";
    QTest::newRow("relative is ignored")
        << QByteArray("rel/c") << "HOME/.cache/vidlark/tmpDownload/";
}

void TestPlatform::tempDirPath() {
    QFETCH(QByteArray, xdgCache);
    QFETCH(QString, expected);
    if (xdgCache.isEmpty())
        qunsetenv("XDG_CACHE_HOME");
    else
        qputenv("XDG_CACHE_HOME", xdgCache);
    QCOMPARE(TempDir(), expected.replace("HOME", home_->path()));
}

void TestPlatform::ensureTempDir_data() {
    QTest::addColumn<QString>("planted");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("nothing there yet") << "" << true;
    QTest::newRow("our folder with wide rights") << "wide folder" << true;
    QTest::newRow("link in the folder's place") << "link" << false;
    QTest::newRow("link in the program folder's place") << "program link" << false;
    QTest::newRow("folder of another user") << "foreign folder" << false;
}

void TestPlatform::ensureTempDir() {
    QFETCH(QString, planted);
    QFETCH(bool, accepted);
    if (planted == "foreign folder" && geteuid() != 0)
        QSKIP("handing a folder to another user needs root");
    const QString cache = home_->path() + "/cache";
    const QString folder = cache + "/vidlark/tmpDownload";
    const QString outside = home_->path() + "/outside";
    QDir().mkpath(outside);
    QDir().mkpath(cache + "/vidlark");
    chmod(QFile::encodeName(outside).constData(), 0755);
    if (planted == "wide folder") {
        QDir().mkpath(folder);
        chmod(QFile::encodeName(folder).constData(), 0777);
    } else if (planted == "link") {
        QFile::link(outside, folder);
    } else if (planted == "program link") {
        QDir(cache + "/vidlark").removeRecursively();
        QFile::link(outside, cache + "/vidlark");
    } else if (planted == "foreign folder") {
        QDir().mkpath(folder);
        QVERIFY(chown(QFile::encodeName(folder).constData(), Nobody, Nobody) == 0);
    }

    QCOMPARE(EnsureTempDir(), accepted);
    if (accepted) {
        QVERIFY(QFileInfo(folder).isDir() && !QFileInfo(folder).isSymLink());
        QCOMPARE(Mode(folder), 0700u);
    }
    // Whatever was planted stays as it was.
    QCOMPARE(Mode(outside), 0755u);
    QVERIFY(QDir(outside).isEmpty());
}

void TestPlatform::secondInstanceIsRefused() {
    auto first = std::make_unique<SingleInstanceLock>();
    QVERIFY(first->TryAcquire());
    QVERIFY(!SingleInstanceLock().TryAcquire());

    // A tool the first copy started must not keep the lock once that copy is gone.
    QProcess tool;
    tool.start("sleep", {"30"});
    QVERIFY(tool.waitForStarted());
    first.reset();
    QVERIFY(SingleInstanceLock().TryAcquire());
    tool.kill();
    tool.waitForFinished();
}

QObject* MakePlatformTest() {
    return new TestPlatform;
}

#include "tst_platform.moc"
