// setup.ini as start-up and the settings dialog read it, and how a save replaces it.

#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <limits>
#include <sys/resource.h>

class SettingsFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString WriteRaw(const QByteArray& bytes) {
        const QString path = SettingsPath(dir.path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot prepare %s", qPrintable(path));
        return path;
    }

    static QByteArray ReadRaw(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private Q_SLOTS:
    void init() { QFile::remove(SettingsPath(dir.path())); }

    void reading_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("afterDownload");
        QTest::addColumn<int>("dragZone");
        constexpr int Max = std::numeric_limits<int>::max();
        constexpr int Min = std::numeric_limits<int>::min();
        QTest::newRow("as written") << QByteArray("1\r\n1\r\n") << 1 << 1;
        QTest::newRow("mixed") << QByteArray("0\r\n1\r\n") << 0 << 1;
        QTest::newRow("no selection") << QByteArray("-1\r\n-1\r\n") << -1 << -1;
        QTest::newRow("empty") << QByteArray() << 0 << 0;
        QTest::newRow("one value, no line end") << QByteArray("5") << 5 << 0;
        QTest::newRow("unix line ends") << QByteArray("1\n1") << 1 << 1;
        QTest::newRow("old mac line ends") << QByteArray("1\r1\r") << 1 << 1;
        QTest::newRow("blanks around") << QByteArray(" 1 \r\n\t0\r\n") << 1 << 0;
        QTest::newRow("garbage") << QByteArray("yes\r\nplease\r\n") << 0 << 0;
        QTest::newRow("trailing garbage") << QByteArray("1x\r\n-\r\n") << 0 << 0;
        QTest::newRow("leading zeros") << QByteArray("-000\r\n0001\r\n") << 0 << 1;
        QTest::newRow("huge") << QByteArray("99999999999999999999\r\n-99999999999\r\n") << Max
                              << Min;
        QTest::newRow("binary") << QByteArray("\x00\xff\x01\r\n\xfe", 6) << 0 << 0;
        QTest::newRow("megabyte of junk after the two lines")
            << QByteArray("1\r\n1\r\n") + QByteArray(1 << 20, '\xff') << 1 << 1;
    }

    void reading() {
        QFETCH(QByteArray, content);
        QFETCH(int, afterDownload);
        QFETCH(int, dragZone);
        const SettingsValues values = ReadSettings(WriteRaw(content));
        QCOMPARE(values.AfterDownload, afterDownload);
        QCOMPARE(values.DragZone, dragZone);
    }

    void missingFileCountsAsZero() {
        const SettingsValues values = ReadSettings(SettingsPath(dir.path()));
        QCOMPARE(values.AfterDownload, 0);
        QCOMPARE(values.DragZone, 0);
    }

    void writingReplacesTheWholeFile_data() {
        QTest::addColumn<int>("afterDownload");
        QTest::addColumn<int>("dragZone");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("both first") << 0 << 0 << QByteArray("0\r\n0\r\n");
        QTest::newRow("both second") << 1 << 1 << QByteArray("1\r\n1\r\n");
        QTest::newRow("no selection") << -1 << 0 << QByteArray("-1\r\n0\r\n");
    }

    void writingReplacesTheWholeFile() {
        QFETCH(int, afterDownload);
        QFETCH(int, dragZone);
        QFETCH(QByteArray, expected);
        const QString path = WriteRaw("a much longer old file that must not leave a tail\r\n");
        QVERIFY(WriteSettings(path, {afterDownload, dragZone}));
        QCOMPARE(ReadRaw(path), expected);
        const SettingsValues back = ReadSettings(path);
        QCOMPARE(back.AfterDownload, afterDownload);
        QCOMPARE(back.DragZone, dragZone);
    }

    void writingIntoAMissingFolderFails() {
        QVERIFY(!WriteSettings(dir.filePath("no-such-folder/setup.ini"), {1, 1}));
        QVERIFY(!QFile::exists(dir.filePath("no-such-folder")));
    }

    // A disk that fills up halfway must not leave a cut-off file behind: the old one stays.
    void aFailedWriteKeepsTheOldFile() {
        const QString path = WriteRaw("0\r\n0\r\n");
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit tiny = old;
        tiny.rlim_cur = 2;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        const bool written = WriteSettings(path, {1, 1});
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!written);
        QCOMPARE(ReadRaw(path), QByteArray("0\r\n0\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"setup.ini"});
    }
};

QObject* MakeSettingsFileTest() {
    return new SettingsFileTest;
}

#include "SettingsFileTest.moc"
