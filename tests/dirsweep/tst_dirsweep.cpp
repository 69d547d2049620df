#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestDirsweep : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sweepsTheDownloadFolder_data();
    void sweepsTheDownloadFolder();
};

namespace {

void Write(const QString& path, const QByteArray& content = "data") {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void SetMode(const QString& path, mode_t mode) {
    QVERIFY(chmod(QFile::encodeName(path).constData(), mode) == 0);
}

} // namespace

void TestDirsweep::sweepsTheDownloadFolder_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<bool>("folderGone");
    QTest::newRow("no folder") << "none" << true;
    QTest::newRow("nested tree with hidden and read-only entries") << "nested" << true;
    QTest::newRow("read-only folder") << "read-only" << true;
    QTest::newRow("links pointing outside") << "links" << true;
    QTest::newRow("the folder itself is a link") << "folder link" << false;
}

void TestDirsweep::sweepsTheDownloadFolder() {
    QFETCH(QString, layout);
    QFETCH(bool, folderGone);
    QTemporaryDir cache;
    const QString program = cache.path() + "/vidlark";
    const QString folder = program + "/tmpDownload";
    const QString outside = cache.path() + "/outside";
    Write(program + "/instance.lock", {});
    Write(outside + "/keep/precious.txt", "precious");

    if (layout == "nested") {
        Write(folder + "/a/b/c/deep.flv");
        Write(folder + "/.hidden/.file");
        Write(folder + "/locked/inside.mp3");
        Write(folder + "/plain.flv");
        SetMode(folder + "/plain.flv", 0444);
        SetMode(folder + "/locked", 0500);
        SetMode(folder + "/a/b", 0000);
    } else if (layout == "read-only") {
        Write(folder + "/05_01_10_20_30.flv");
        SetMode(folder, 0500);
    } else if (layout == "links") {
        QDir().mkpath(folder);
        QFile::link(outside + "/keep", folder + "/to-folder");
        QFile::link(outside + "/keep/precious.txt", folder + "/to-file");
    } else if (layout == "folder link") {
        QFile::link(outside + "/keep", folder);
    }

    QProcess sweep;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CACHE_HOME", cache.path());
    sweep.setProcessEnvironment(environment);
    sweep.start(qEnvironmentVariable("VIDLARK_APPDIR") + "/data/dirsweep", {});
    QVERIFY(sweep.waitForFinished(10000));
    QCOMPARE(sweep.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sweep.exitCode(), 0);
    QCOMPARE(sweep.readAll(), QByteArray());

    QCOMPARE(!QFileInfo(folder).exists() && !QFileInfo(folder).isSymLink(), folderGone);
    // Only the download folder goes: what sits beside it, and what links point to, stays.
    QVERIFY(QFile::exists(program + "/instance.lock"));
    QFile precious(outside + "/keep/precious.txt");
    QVERIFY(precious.open(QIODevice::ReadOnly));
    QCOMPARE(precious.readAll(), QByteArray("precious"));
}

QTEST_GUILESS_MAIN(TestDirsweep)
#include "tst_dirsweep.moc"
