// The Debian package as a user gets it: built by cpack from this build, unpacked with dpkg-deb
// into a private root, and the installed program started there through its bin/ link, on a
// private X display with a tray host, through one whole task against the local site. Its
// configuration and caches go to private XDG folders; nothing may be written into the program
// folder the package installed.

#include "DesktopSession.h"
#include "LocalSite.h"
#include "ProgramDriver.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace ProgramDriver;

namespace {

struct Run {
    int exitCode = -1;
    QString output;
};

Run RunTool(const QString& program, const QStringList& arguments, int timeoutMs = 300000) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments);
    if (!tool.waitForFinished(timeoutMs))
        return {-1, program + " did not finish: " + tool.errorString()};
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            QString::fromUtf8(tool.readAll())};
}

// Every entry under `folder`, with what a write would change: its kind, size, time and link.
QStringList Listing(const QString& folder) {
    QStringList lines;
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        lines << QStringLiteral("%1 %2 %3 %4 -> %5")
                     .arg(QDir(folder).relativeFilePath(entry.filePath()))
                     .arg(entry.isSymLink() ? "link"
                          : entry.isDir()   ? "folder"
                                            : "file")
                     .arg(entry.isSymLink() ? 0 : entry.size())
                     .arg(entry.lastModified().toMSecsSinceEpoch())
                     .arg(entry.symLinkTarget());
    }
    lines.sort();
    return lines;
}

void WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

} // namespace

class TestPackage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void packageIsNamedAndDepends();
    void packageLaysOutTheProgram();
    void installedProgramRunsATask();
    void programFolderStaysUntouched();
    void cleanupTestCase();

private:
    DesktopSession desktop_;
    std::unique_ptr<LocalSite> site_;
    QTemporaryDir root_;
    QString package_;
    QString installed_; // the unpacked root
    QString appDir_;    // its program folder
    QString configDir_;
    QStringList before_;
    QProcess program_;
};

void TestPackage::initTestCase() {
    QVERIFY(root_.isValid());
    // The build folder's own packaging, into a folder of this test's own (cpack first brings
    // the build up to date, which finds nothing to do after ./test has built).
    const Run cpack =
        RunTool("cpack", {"-G", "DEB", "--config",
                          qEnvironmentVariable("VIDLARK_BUILD_DIR") + "/CPackConfig.cmake", "-B",
                          root_.filePath("package")});
    QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.output));
    const QStringList debs = QDir(root_.filePath("package")).entryList({"*.deb"}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    package_ = root_.filePath("package/" + debs.first());

    installed_ = root_.filePath("root");
    const Run unpack = RunTool("dpkg-deb", {"-x", package_, installed_});
    QVERIFY2(unpack.exitCode == 0, qPrintable(unpack.output));
    appDir_ = installed_ + "/usr/lib/vidlark";
    before_ = Listing(appDir_);
}

void TestPackage::packageIsNamedAndDepends() {
    const QString arch = RunTool("dpkg", {"--print-architecture"}).output.trimmed();
    QCOMPARE(
        QFileInfo(package_).fileName(),
        QStringLiteral("vidlark_%1_%2.deb").arg(qEnvironmentVariable("VIDLARK_VERSION"), arch));
    const Run depends = RunTool("dpkg-deb", {"--field", package_, "Depends"});
    QCOMPARE(depends.exitCode, 0);
    // The tools and the opener by name, the libraries as dpkg-shlibdeps found them.
    const QStringList named = depends.output.trimmed().split(QRegularExpression(",\\s*"));
    for (const QString tool : {"wget", "ffmpeg", "xdg-utils"})
        QVERIFY2(named.contains(tool), qPrintable(depends.output));
    QVERIFY2(depends.output.contains(QRegularExpression("libqt6widgets6 \\(>= [^)]+\\)")),
             qPrintable(depends.output));
    QVERIFY2(depends.output.contains("libqt6webenginewidgets6"), qPrintable(depends.output));
}

void TestPackage::packageLaysOutTheProgram() {
    const QFileInfo launcher(installed_ + "/usr/bin/vidlark");
    QVERIFY(launcher.isSymLink());
    QCOMPARE(launcher.canonicalFilePath(), QFileInfo(appDir_ + "/vidlark").canonicalFilePath());
    QCOMPARE(QFileInfo(appDir_ + "/data/wg").symLinkTarget(), QStringLiteral("/usr/bin/wget"));
    for (const QString program : {"vidlark", "data/coder", "data/dirsweep"})
        QVERIFY2(QFileInfo(appDir_ + "/" + program).isExecutable(), qPrintable(program));
    for (const QString file :
         {"lib/vidlark/sound/sound.wav", "lib/vidlark/help/index.html",
          "share/applications/vidlark.desktop", "share/metainfo/org.vidlark.vidlark.metainfo.xml",
          "share/icons/hicolor/scalable/apps/vidlark.svg",
          "share/icons/hicolor/48x48/apps/vidlark.png"})
        QVERIFY2(QFileInfo(installed_ + "/usr/" + file).isFile(), qPrintable(file));
    // The build's helpers stay out, and nothing lies beside the program to be overwritten.
    const QString all = Listing(installed_).join(u'\n');
    QVERIFY(!all.contains("videosite") && !all.contains("buttongallery"));
    QVERIFY(!all.contains(".ini"));
    // The AppStream file, its desktop entry and icon as a software centre finds them in the
    // installed tree.
    const Run tree = RunTool("appstreamcli", {"validate-tree", "--no-net", installed_});
    QVERIFY2(tree.exitCode == 0 && !tree.output.contains("no-metadata"), qPrintable(tree.output));
}

void TestPackage::installedProgramRunsATask() {
    QVERIFY(desktop_.Start());
    site_ = std::make_unique<LocalSite>(QStringList{},
                                        qEnvironmentVariable("VIDLARK_BINDIR") + "/../site-cache");
    QVERIFY2(site_->Start(), qPrintable(site_->Error()));
    // The user's own configuration: the site to use, and neither folder opening nor drag zone.
    configDir_ = root_.filePath("config/vidlark");
    WriteFile(configDir_ + "/site.ini",
              ("SiteRoot=" + site_->Root() + "\nFeedbackHost=" + site_->Root() + "\n").toUtf8());
    WriteFile(configDir_ + "/setup.ini", "1\r\n1\r\n");

    QProcessEnvironment environment = desktop_.Environment();
    environment.insert("XDG_CONFIG_HOME", root_.filePath("config"));
    environment.insert("XDG_CACHE_HOME", root_.filePath("cache"));
    environment.insert("XDG_DATA_HOME", root_.filePath("data"));
    program_.setProcessEnvironment(environment);
    program_.setProcessChannelMode(QProcess::ForwardedChannels);
    program_.start(installed_ + "/usr/bin/vidlark", {});
    QVERIFY(program_.waitForStarted());
    QVERIFY(!desktop_.WaitForWindow("Vidlark").isEmpty());

    RunShortMp3Task(desktop_, site_->Root(), root_.filePath("music/short.mp3"));
    if (QTest::currentTestFailed())
        return;
    // The remembered folder went to the user's configuration, in its usual format.
    QTRY_COMPARE(ReadAll(configDir_ + "/default.ini"),
                 "\"" + root_.filePath("music/").toUtf8() + "\"\r\n");

    // The list is empty again, so Exit asks nothing; the installed dirsweep clears the
    // download folder.
    const QString tempDir = root_.filePath("cache/vidlark/tmpDownload");
    QTRY_VERIFY_WITH_TIMEOUT(QDir(tempDir).entryList(QDir::Files).isEmpty(), 10000);
    PressExit(desktop_);
    QVERIFY(program_.waitForFinished(10000));
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(tempDir), 10000);
}

void TestPackage::programFolderStaysUntouched() {
    QVERIFY(!before_.isEmpty());
    QCOMPARE(Listing(appDir_), before_);
}

void TestPackage::cleanupTestCase() {
    if (program_.state() != QProcess::NotRunning) {
        program_.kill();
        program_.waitForFinished();
    }
    for (const QString& pid : Processes("wg", root_.path()))
        QProcess::execute("kill", {pid});
}

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_Package.moc"
