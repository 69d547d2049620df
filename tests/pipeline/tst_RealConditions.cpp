// Whole tasks through the engine where users really are: a cache folder whose path holds blanks,
// quotes and other letters; hostile values in the site address and the encoder's boxes; a
// download folder swapped for a link after queueing; transfers that fail for good; tools that
// die; a desktop in German; and the user's own programs that happen to be called wg and coder.

#include "PipelineFixture.h"
#include "ProcessTable.h"
#include "ScriptedPrompter.h"

#include <QDirIterator>
#include <QTemporaryDir>

#include <memory>

using namespace pipeline;

namespace {

const QString Gone = QStringLiteral("Wd0-Lp7sE2r"); // cut after 30000 bytes, then refused
const QString Long = QStringLiteral("cK8_vH1oT5y"); // 30 s: its conversion takes a while

// Every file below `folder`, as paths relative to it.
QStringList FilesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

} // namespace

class TestRealConditions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cacheFolderWithBlanksAndQuotes();
    void hostileValuesStayOneArgument_data();
    void hostileValuesStayOneArgument();
    void folderSwappedForALinkFailsTheTask();
    void transferCutForGoodFails();
    void encoderKilledMidConversionFails();
    void germanDesktopStillSeesTheRetry();
    void foreignToolsOfTheSameNameAreLeftAlone();

private:
    std::unique_ptr<TaskEngine> NewEngine();
    void KillOurTools();

    std::unique_ptr<LocalSite> site_;
    QString appDir_;
    // Holds the cache folder and the targets; nothing may appear in it but those.
    QTemporaryDir root_;
    QString cacheHome_;
    ScriptedPrompter prompter_;
};

void TestRealConditions::initTestCase() {
    appDir_ = qEnvironmentVariable("VIDLARK_APPDIR");
    site_ = std::make_unique<LocalSite>(QStringList{"--drop", Dropped + ":30000", "--gone",
                                                    Gone + ":30000", "--throttle", Slow + ":40"},
                                        qEnvironmentVariable("VIDLARK_BINDIR") + "/../site-cache");
    QVERIFY2(site_->Start(), qPrintable(site_->Error()));
    // The first word of the path alone names a folder too: a split at the blank would write
    // there.
    cacheHome_ = root_.filePath(R"(Ann Lee/.cache "quoted" Ünïcødé 動画)");
    QVERIFY(QDir().mkpath(cacheHome_));
    QVERIFY(QDir().mkpath(root_.filePath("Ann")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome_));
    QVERIFY(TempDir().startsWith(cacheHome_));
    QVERIFY(EnsureTempDir());
}

void TestRealConditions::init() {
    prompter_.shown.clear();
    QVERIFY(EnsureTempDir());
    QVERIFY(TempDirEntries().isEmpty());
}

void TestRealConditions::cleanup() {
    KillOurTools();
    QDir(TempDir()).removeRecursively();
    QVERIFY(EnsureTempDir());
    // Nothing was written outside the download folder but the targets, which each test names
    // "target*" in the root.
    for (const QString& file : FilesBelow(root_.path()))
        QVERIFY2(file.startsWith("target"), qPrintable(file));
    for (const QString& file : QDir(root_.path()).entryList({"target*"}, QDir::Files))
        QFile::remove(root_.filePath(file));
    QVERIFY(QDir(root_.filePath("Ann")).isEmpty());
}

void TestRealConditions::KillOurTools() {
    KillProcessesByName("wg", appDir_ + "/data/wg");
    KillProcessesByName("coder", appDir_ + "/data/coder");
}

std::unique_ptr<TaskEngine> TestRealConditions::NewEngine() {
    auto engine = std::make_unique<TaskEngine>(&prompter_);
    engine->SetAppDir(appDir_);
    engine->SetSiteRoot(site_->Root());
    return engine;
}

// Both tools get their paths inside the odd folder whole: the MP3 arrives and the download
// and the conversion wrote nowhere else.
void TestRealConditions::cacheFolderWithBlanksAndQuotes() {
    auto engine = NewEngine();
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    const QString target = root_.filePath("target song.mp3");
    Queue(*engine, *site_, appDir_, target, Short, ProfileMp3);
    QCOMPARE(WaitForEnds(ended, 1), QStringList{"Done."});
    QCOMPARE(FormatOf(target), "mp3");
    QTRY_VERIFY(TempDirEntries().isEmpty());
    QVERIFY(prompter_.shown.isEmpty());
}

void TestRealConditions::hostileValuesStayOneArgument_data() {
    QTest::addColumn<QString>("siteRoot");
    QTest::addColumn<QString>("frameSize");
    QTest::addColumn<int>("profile");
    const QString elsewhere = root_.filePath("Ann/evil");
    QTest::newRow("options after the site address")
        << "{root} -O " + elsewhere + ".flv " << QString() << int(ProfileNone);
    QTest::newRow("options and a second output in the frame size")
        << "{root}"
        << "320x240 -t 1 " + elsewhere + ".mp4" << int(ProfileMp4);
}

// A value with options in it reaches its tool as one strange value: the task fails and no
// file appears where the options pointed.
void TestRealConditions::hostileValuesStayOneArgument() {
    QFETCH(QString, siteRoot);
    QFETCH(QString, frameSize);
    QFETCH(int, profile);
    auto engine = NewEngine();
    engine->SetSiteRoot(siteRoot.replace("{root}", site_->Root()));
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    const QString target = root_.filePath("target-kept");
    QVERIFY(WriteAll(target, "the user's own file"));
    Queue(*engine, *site_, appDir_, target, Short, profile, QDateTime::currentDateTime(),
          [&frameSize](ProfileParams& params) {
              if (!frameSize.isEmpty())
                  params[ParamSize].text = frameSize;
          });
    QCOMPARE(WaitForEnds(ended, 1), QStringList{"Failed."});
    QCOMPARE(ReadAll(target), QByteArray("the user's own file"));
}

void TestRealConditions::folderSwappedForALinkFailsTheTask() {
    auto engine = NewEngine();
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    QSignalSpy failed(engine.get(), &TaskEngine::TaskFailed);
    Queue(*engine, *site_, appDir_, root_.filePath("target.flv"), Short, ProfileNone);
    // Between queueing and the downloader's start, the folder becomes a link to another.
    const QString other = root_.filePath("Ann/other");
    QVERIFY(QDir().mkpath(other));
    QVERIFY(QDir(TempDir()).removeRecursively());
    QVERIFY(QFile::link(other, TempDir().chopped(1)));

    QCOMPARE(WaitForEnds(ended, 1), QStringList{"Failed."});
    QVERIFY(failed.at(0).at(1).toString().contains("cannot be used"));
    QVERIFY(QDir(other).isEmpty());
    QVERIFY(!QFile::exists(root_.filePath("target.flv")));
    QVERIFY(QFile::remove(TempDir().chopped(1)));
    QVERIFY(QDir(other).removeRecursively());
}

// The connection is cut and the site then refuses the address: the downloader gives up, which
// is a failure with its reason, and the user's older file stays as it was. A cut the site
// recovers from still ends "Done." with the whole file.
void TestRealConditions::transferCutForGoodFails() {
    auto engine = NewEngine();
    Watcher watcher(*engine);
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    QSignalSpy failed(engine.get(), &TaskEngine::TaskFailed);
    QSignalSpy folder(engine.get(), &TaskEngine::OpenFolderRequested);
    const QString kept = root_.filePath("target-old.mp3");
    QVERIFY(WriteAll(kept, "an older song"));
    Queue(*engine, *site_, appDir_, kept, Gone, ProfileMp3);
    Queue(*engine, *site_, appDir_, root_.filePath("target-resumed.flv"), Dropped, ProfileNone);

    QCOMPARE(WaitForEnds(ended, 1), QStringList{"Failed."});
    QCOMPARE(ReadAll(kept), QByteArray("an older song"));
    QCOMPARE(failed.size(), 1);
    QVERIFY2(failed.at(0).at(1).toString().contains("answered with an error"),
             qPrintable(failed.at(0).at(1).toString()));
    QVERIFY(folder.isEmpty());
    QVERIFY(!watcher.statuses.contains("Converting..."));

    engine->SoundFinished();
    QCOMPARE(WaitForEnds(ended, 2), (QStringList{"Failed.", "Done."}));
    QCOMPARE(ReadAll(root_.filePath("target-resumed.flv")), Content(*site_, Dropped));
    QVERIFY(watcher.statuses.contains("Resume Broken Downloading"));
}

void TestRealConditions::encoderKilledMidConversionFails() {
    auto engine = NewEngine();
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    QSignalSpy failed(engine.get(), &TaskEngine::TaskFailed);
    const QString kept = root_.filePath("target-clip.mp4");
    QVERIFY(WriteAll(kept, "an older clip"));
    Queue(*engine, *site_, appDir_, kept, Long, ProfileMp4);
    // Someone else ends the encoder while it converts.
    QTRY_VERIFY_WITH_TIMEOUT(engine->Tasks().Text(0, TaskList::Status) == TaskStatus::Converting &&
                                 IsProcessRunning("coder", appDir_ + "/data/coder"),
                             30000);
    KillProcessesByName("coder", appDir_ + "/data/coder");

    QCOMPARE(WaitForEnds(ended, 1), QStringList{"Failed."});
    QCOMPARE(ReadAll(kept), QByteArray("an older clip"));
    QVERIFY2(failed.at(0).at(1).toString().contains("conversion was stopped"),
             qPrintable(failed.at(0).at(1).toString()));
    QTRY_VERIFY(TempDirEntries().isEmpty());
}

// wget speaks German on a German desktop ("Erneuter Versuch."): the tools are asked for their
// messages in English, so the resume is still seen.
void TestRealConditions::germanDesktopStillSeesTheRetry() {
    QTemporaryDir locales;
    QProcess localedef;
    localedef.start("localedef", {"-i", "de_DE", "-f", "UTF-8", locales.filePath("de_DE.UTF-8")});
    QVERIFY(localedef.waitForFinished(60000));
    QVERIFY2(QFileInfo(locales.filePath("de_DE.UTF-8")).isDir(),
             localedef.readAllStandardError().constData());
    qputenv("LOCPATH", QFile::encodeName(locales.path()));
    qputenv("LC_ALL", "de_DE.UTF-8");
    qputenv("LANG", "de_DE.UTF-8");
    QProcess speaks;
    speaks.start("wget", {"--help"});
    QVERIFY(speaks.waitForFinished());

    auto engine = NewEngine();
    Watcher watcher(*engine);
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    Queue(*engine, *site_, appDir_, root_.filePath("target-de.flv"), Dropped, ProfileNone);
    const QStringList statuses = WaitForEnds(ended, 1);
    qunsetenv("LOCPATH");
    qunsetenv("LC_ALL");
    qunsetenv("LANG");

    QVERIFY2(QString::fromUtf8(speaks.readAllStandardOutput()).contains("Aufruf"),
             "wget does not speak German here, so this shows nothing");
    QCOMPARE(statuses, QStringList{"Done."});
    QVERIFY2(watcher.statuses.contains("Resume Broken Downloading"),
             qPrintable(watcher.statuses.join(", ")));
    QCOMPARE(ReadAll(root_.filePath("target-de.flv")), Content(*site_, Dropped));
}

// The user's own wg and coder (other programs of those names) run all along: a task still
// ends when our tools end, and Remove ends only ours.
void TestRealConditions::foreignToolsOfTheSameNameAreLeftAlone() {
    QTemporaryDir folder;
    QList<std::shared_ptr<QProcess>> foreign;
    for (const QString name : {"wg", "coder"}) {
        QVERIFY(QFile::copy("/bin/sleep", folder.filePath(name)));
        QFile::setPermissions(folder.filePath(name), QFile::ExeOwner | QFile::ReadOwner);
        foreign.append(std::make_shared<QProcess>());
        foreign.last()->start(folder.filePath(name), {"600"});
        QVERIFY(foreign.last()->waitForStarted());
    }

    auto engine = NewEngine();
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    Queue(*engine, *site_, appDir_, root_.filePath("target-a.mp3"), Short, ProfileMp3);
    QCOMPARE(WaitForEnds(ended, 1, 30000), QStringList{"Done."});
    engine->SoundFinished();
    Queue(*engine, *site_, appDir_, root_.filePath("target-b.flv"), Slow, ProfileNone);
    QTRY_VERIFY_WITH_TIMEOUT(engine->ProgressValue() >= 2, 20000);
    engine->RemoveSelectedTask(engine->Tasks().IdAt(0));
    QCOMPARE(WaitForEnds(ended, 2, 10000), (QStringList{"Done.", "Done."}));

    for (const auto& process : foreign) {
        QCOMPARE(process->state(), QProcess::Running);
        process->kill();
        process->waitForFinished();
    }
}

QTEST_GUILESS_MAIN(TestRealConditions)
#include "tst_RealConditions.moc"
