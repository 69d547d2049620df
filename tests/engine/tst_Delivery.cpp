// Delivery of a finished task's file to its target, on the download folder's own file system
// (a rename) and on another one (a copy beside the target, renamed over it): through symbolic
// links, with the modes a copy over the target would leave, and never from nothing.

#include "Delivery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

dev_t DeviceOf(const QString& path) {
    struct stat state {};
    return stat(QFile::encodeName(path).constData(), &state) == 0 ? state.st_dev : dev_t(-1);
}

int ModeOf(const QString& path) {
    struct stat state {};
    return stat(QFile::encodeName(path).constData(), &state) == 0 ? int(state.st_mode & 0777) : -1;
}

// A writable folder on another file system than `than`, or empty when the machine has none.
QString OtherFileSystem(const QString& than) {
    const QStringList candidates = {"/dev/shm", QString("/run/user/%1").arg(getuid()), "/tmp",
                                    "/var/tmp", "/run"};
    for (const QString& candidate : candidates) {
        const QFileInfo folder(candidate);
        if (folder.isDir() && folder.isWritable() && DeviceOf(candidate) != DeviceOf(than))
            return candidate;
    }
    return {};
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& content, int mode = -1) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
    file.close();
    if (mode >= 0)
        QCOMPARE(chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
}

// What a delivery may have left beside its target: hidden partial copies.
QStringList Leftovers(const QString& folder) {
    return QDir(folder).entryList({".*"}, QDir::Files | QDir::Hidden);
}

class ScopedUmask {
public:
    explicit ScopedUmask(int mask) : old_(umask(mode_t(mask))) {}
    ~ScopedUmask() { umask(old_); }

private:
    mode_t old_;
};

// Writes past `bytes` fail (as on a full disk) while this lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

// A task's finished file in a download folder, and a folder for its target on the same file
// system or on another one.
struct DeliveryFixture {
    QTemporaryDir downloads;
    QTemporaryDir sameSystem;
    std::unique_ptr<QTemporaryDir> otherSystem;
    QString source = downloads.filePath("task.flv");
    QByteArray content;

    explicit DeliveryFixture(int bytes = 300000) {
        const QString other = OtherFileSystem(downloads.path());
        if (!other.isEmpty())
            otherSystem = std::make_unique<QTemporaryDir>(other + "/vldelivery-XXXXXX");
        for (int i = 0; i < bytes; ++i)
            content.append(char('a' + i % 23));
    }

    // The folder for a target; empty when another file system is asked for and there is none.
    QString TargetFolder(bool onOtherSystem) const {
        if (!onOtherSystem)
            return sameSystem.path();
        return otherSystem && otherSystem->isValid() ? otherSystem->path() : QString();
    }
};

} // namespace

class TestDelivery : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deliversAsACopyWould_data();
    void deliversAsACopyWould();
    void failureLeavesTheTargetAlone_data();
    void failureLeavesTheTargetAlone();
};

void TestDelivery::deliversAsACopyWould_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("otherSystem");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("oldMode"); // of the file the target names, when there is one
    QTest::addColumn<int>("mode");
    for (const bool other : {false, true}) {
        const char* where = other ? ", another file system" : "";
        QTest::addRow("new file, umask 022%s", where) << "new" << other << 022 << -1 << 0644;
        QTest::addRow("new file, umask 027%s", where) << "new" << other << 027 << -1 << 0640;
        QTest::addRow("new file, umask 002%s", where) << "new" << other << 002 << -1 << 0664;
        QTest::addRow("existing file keeps 0600%s", where)
            << "existing" << other << 022 << 0600 << 0600;
        QTest::addRow("existing file keeps 0664 under umask 077%s", where)
            << "existing" << other << 077 << 0664 << 0664;
        QTest::addRow("link to a file%s", where) << "link" << other << 022 << 0640 << 0640;
        QTest::addRow("chain of relative links%s", where)
            << "chain" << other << 022 << 0600 << 0600;
        QTest::addRow("link to a file not there yet%s", where)
            << "dangling" << other << 027 << -1 << 0640;
    }
}

void TestDelivery::deliversAsACopyWould() {
    QFETCH(QString, kind);
    QFETCH(bool, otherSystem);
    QFETCH(int, mask);
    QFETCH(int, oldMode);
    QFETCH(int, mode);
    DeliveryFixture f;
    const QString folder = f.TargetFolder(otherSystem);
    if (folder.isEmpty())
        QSKIP("No second file system is writable on this machine.");
    ScopedUmask umaskOfTheUser(mask);
    WriteFile(f.source, f.content, 0600); // the tools' own mode must not leak through

    // The link sits in the folder on the download folder's file system; the file it names is
    // in `folder`, so a link to another file system is delivered across too.
    const QString named = folder + "/real.flv";
    QString target = named;
    if (oldMode >= 0)
        WriteFile(named, "the user's old file", oldMode);
    if (kind == "link" || kind == "dangling") {
        target = f.sameSystem.filePath("link.flv");
        QVERIFY(QFile::link(named, target));
    } else if (kind == "chain") {
        target = folder + "/first.flv";
        QCOMPARE(symlink("second.flv", QFile::encodeName(target).constData()), 0);
        QCOMPARE(symlink("real.flv", QFile::encodeName(folder + "/second.flv").constData()), 0);
    }
    const QString linkText = QFileInfo(target).symLinkTarget();

    const DeliveryResult result = DeliverFile(f.source, target);
    QVERIFY2(result.delivered, qPrintable(result.reason));
    QCOMPARE(ReadAll(named), f.content);
    QCOMPARE(ModeOf(named), mode);
    QCOMPARE(QFileInfo(target).symLinkTarget(), linkText); // a link stays the same link
    // A rename takes the file away; a copy across leaves it for the task's clean-up.
    QCOMPARE(QFile::exists(f.source), otherSystem);
    QCOMPARE(Leftovers(folder), QStringList());
}

void TestDelivery::failureLeavesTheTargetAlone_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("otherSystem");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing source") << "missing" << false << "no file";
    QTest::newRow("empty source") << "empty" << false << "empty";
    QTest::newRow("missing source, another file system") << "missing" << true << "no file";
    QTest::newRow("copy fails half-way") << "too big" << true << "could not be copied";
}

void TestDelivery::failureLeavesTheTargetAlone() {
    QFETCH(QString, source);
    QFETCH(bool, otherSystem);
    QFETCH(QString, reason);
    DeliveryFixture f(200000);
    const QString folder = f.TargetFolder(otherSystem);
    if (folder.isEmpty())
        QSKIP("No second file system is writable on this machine.");
    if (source == "empty")
        WriteFile(f.source, {});
    else if (source == "too big")
        WriteFile(f.source, f.content);
    const QString target = folder + "/kept.mp3";
    WriteFile(target, "the user's own file", 0640);

    auto fullDisk = source == "too big" ? std::make_unique<FileSizeLimit>(65536) : nullptr;
    const DeliveryResult result = DeliverFile(f.source, target);
    fullDisk.reset();
    QVERIFY(!result.delivered);
    QVERIFY2(result.reason.contains(reason), qPrintable(result.reason));
    QCOMPARE(ReadAll(target), QByteArray("the user's own file"));
    QCOMPARE(ModeOf(target), 0640);
    QCOMPARE(Leftovers(folder), QStringList());
}

QObject* NewDeliveryTest() {
    return new TestDelivery;
}

#include "tst_Delivery.moc"
