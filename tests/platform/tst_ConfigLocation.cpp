// Where the configuration files live: beside a program the user may write into, in the user's
// configuration folder for an installed copy or a folder that cannot be written, and which
// site.ini is read when both places could hold one.

#include "ConfigLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class TestConfigLocation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void folderForProgram_data();
    void folderForProgram();
    void readOnlyProgramFolder();
    void configHomeVariable_data();
    void configHomeVariable();
    void siteFileOrder_data();
    void siteFileOrder();

private:
    // `layout` places the program: "build" (a folder of its own), "installed" (lib/vidlark with
    // bin/vidlark linking to it), "installed, no launcher" (the same folder copied elsewhere)
    // or "unmakeable" (under a plain file). Returns the program folder.
    QString Lay(const QString& layout);

    std::unique_ptr<QTemporaryDir> root_;
    QString configHome_;
};

void TestConfigLocation::init() {
    root_ = std::make_unique<QTemporaryDir>();
    qputenv("HOME", QFile::encodeName(root_->filePath("home")));
    configHome_ = root_->filePath("config");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome_));
}

QString TestConfigLocation::Lay(const QString& layout) {
    if (layout == "unmakeable") {
        Touch(root_->filePath("plain-file"));
        return root_->filePath("plain-file/vidlark");
    }
    const QString appDir = root_->filePath(layout == "build" ? "build/vidlark" : "usr/lib/vidlark");
    Touch(appDir + "/vidlark");
    if (layout == "installed") {
        QDir().mkpath(root_->filePath("usr/bin"));
        // A relative link, as the package has it.
        QFile::link("../lib/vidlark/vidlark", root_->filePath("usr/bin/vidlark"));
    } else if (layout == "installed, launcher elsewhere") {
        Touch(root_->filePath("usr/bin/vidlark"));
    }
    return appDir;
}

void TestConfigLocation::folderForProgram_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<bool>("besideProgram");
    QTest::newRow("build folder") << "build" << true;
    QTest::newRow("installed copy") << "installed" << false;
    QTest::newRow("copied out of an install") << "installed, no launcher" << true;
    QTest::newRow("another program at the launcher's place")
        << "installed, launcher elsewhere" << true;
    QTest::newRow("folder that cannot exist") << "unmakeable" << false;
}

void TestConfigLocation::folderForProgram() {
    QFETCH(QString, layout);
    QFETCH(bool, besideProgram);
    const QString appDir = Lay(layout);
    QCOMPARE(ConfigDirFor(appDir), besideProgram ? appDir : configHome_ + "/vidlark");
}

void TestConfigLocation::readOnlyProgramFolder() {
    if (geteuid() == 0)
        QSKIP("root writes into any folder");
    const QString appDir = Lay("build");
    QVERIFY(chmod(QFile::encodeName(appDir).constData(), 0555) == 0);
    QCOMPARE(ConfigDirFor(appDir), configHome_ + "/vidlark");
    chmod(QFile::encodeName(appDir).constData(), 0755);
}

void TestConfigLocation::configHomeVariable_data() {
    QTest::addColumn<QByteArray>("value"); // null: unset
    QTest::addColumn<QString>("expected");
    QTest::newRow("absolute") << QByteArray("/srv/conf") << "/srv/conf/vidlark";
    QTest::newRow("unset") << QByteArray() << "HOME/.config/vidlark";
    QTest::newRow("relative counts as unset") << QByteArray("conf") << "HOME/.config/vidlark";
    QTest::newRow("empty counts as unset") << QByteArray("") << "HOME/.config/vidlark";
}

void TestConfigLocation::configHomeVariable() {
    QFETCH(QByteArray, value);
    QFETCH(QString, expected);
    if (value.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", value);
    QCOMPARE(ConfigDirFor(Lay("installed")), expected.replace("HOME", root_->filePath("home")));
}

void TestConfigLocation::siteFileOrder_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QStringList>("present"); // "config", "program"
    QTest::addColumn<QString>("read");
    const QStringList both{"config", "program"};
    QTest::newRow("installed, both") << "installed" << both << "config";
    QTest::newRow("installed, the user's only") << "installed" << QStringList{"config"} << "config";
    QTest::newRow("installed, the shipped one only")
        << "installed" << QStringList{"program"} << "program";
    QTest::newRow("installed, none") << "installed" << QStringList{} << "config";
    QTest::newRow("build folder") << "build" << both << "program";
}

void TestConfigLocation::siteFileOrder() {
    QFETCH(QString, layout);
    QFETCH(QStringList, present);
    QFETCH(QString, read);
    const QString appDir = Lay(layout);
    const QString inConfig = configHome_ + "/vidlark/site.ini";
    const QString inProgram = appDir + "/site.ini";
    if (present.contains("config"))
        Touch(inConfig);
    if (present.contains("program"))
        Touch(inProgram);
    QCOMPARE(ConfigFileToRead(appDir, "site.ini"), read == "config" ? inConfig : inProgram);
}

QObject* MakeConfigLocationTest() {
    return new TestConfigLocation;
}

#include "tst_ConfigLocation.moc"
