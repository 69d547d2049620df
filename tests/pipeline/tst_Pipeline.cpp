// Whole tasks through the engine, in-process: the local site answers the lookup, the real wget
// behind data/wg downloads and the real adapter behind data/coder converts.

#include "PipelineFixture.h"
#include "ProcessTable.h"
#include "ScriptedPrompter.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace pipeline;

class TestPipeline : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void unconvertedTaskArrivesWhole_data();
    void unconvertedTaskArrivesWhole();
    void convertedTasks_data();
    void convertedTasks();
    void brokenConnectionResumes();
    void removingFirstRowDeliversPartialDownload();
    void removeOfAnEndedTaskLeavesTheNextAlone();
    void failedTaskLeavesTargetAlone_data();
    void failedTaskLeavesTargetAlone();
    void removeDuringLookupDropsTask();
    void tasksQueuedInOneSecondFollowTheSound();

private:
    std::unique_ptr<TaskEngine> NewEngine(const QString& appDir);
    // A task of the tests' AppDir, or of `appDir`.
    void Queue(TaskEngine& engine, const QString& target, const QString& id, int profile,
               const QDateTime& moment = QDateTime::currentDateTime(), const QString& appDir = {});

    std::unique_ptr<LocalSite> site_;
    QString appDir_;
    QTemporaryDir targets_;
    ScriptedPrompter prompter_;
};

void TestPipeline::initTestCase() {
    appDir_ = qEnvironmentVariable("VIDLARK_APPDIR");
    QVERIFY(QFile::exists(appDir_ + "/data/wg"));
    QVERIFY(QFile::exists(appDir_ + "/data/coder"));
    site_ = std::make_unique<LocalSite>(
        QStringList{"--drop", Dropped + ":30000", "--throttle", Slow + ":40", "--hang-id", Hanging},
        qEnvironmentVariable("VIDLARK_BINDIR") + "/../site-cache");
    QVERIFY2(site_->Start(), qPrintable(site_->Error()));
    QVERIFY(EnsureTempDir());
}

void TestPipeline::init() {
    prompter_.shown.clear();
    QVERIFY(TempDirEntries().isEmpty());
}

void TestPipeline::cleanup() {
    KillProcessesByName("wg", appDir_ + "/data/wg");
    KillProcessesByName("coder", appDir_ + "/data/coder");
    QDir(TempDir()).removeRecursively();
    EnsureTempDir();
}

std::unique_ptr<TaskEngine> TestPipeline::NewEngine(const QString& appDir) {
    auto engine = std::make_unique<TaskEngine>(&prompter_);
    engine->SetAppDir(appDir);
    engine->SetSiteRoot(site_->Root());
    return engine;
}

void TestPipeline::Queue(TaskEngine& engine, const QString& target, const QString& id, int profile,
                         const QDateTime& moment, const QString& appDir) {
    pipeline::Queue(engine, *site_, appDir.isEmpty() ? appDir_ : appDir, target, id, profile,
                    moment);
}

void TestPipeline::unconvertedTaskArrivesWhole_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::newRow("flv target") << Short << "clip.flv";
    QTest::newRow("other extension") << Mp4 << "clip.mp4";
    QTest::newRow("existing target replaced") << Short << "old.flv";
}

void TestPipeline::unconvertedTaskArrivesWhole() {
    QFETCH(QString, id);
    QFETCH(QString, name);
    const QString target = targets_.filePath(name);
    if (name.startsWith("old"))
        QVERIFY(WriteAll(target, "an older file"));
    auto engine = NewEngine(appDir_);
    Watcher watcher(*engine);
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    QSignalSpy folder(engine.get(), &TaskEngine::OpenFolderRequested);
    Queue(*engine, target, id, ProfileNone);

    QCOMPARE(WaitForEnds(ended, 1), QStringList{"Done."});
    QCOMPARE(ReadAll(target), Content(*site_, id));
    QCOMPARE(watcher.statuses, (QStringList{"Analysing URL...", "Downloading...", "Done."}));
    QCOMPARE(watcher.highest, 100.0);
    QVERIFY(watcher.labels.contains("100%"));
    QVERIFY(watcher.widths.contains(TaskEngine::FullWidthTwips));
    QCOMPARE(watcher.widths.last(), TaskEngine::IdleWidthTwips);
    QCOMPARE(folder.size(), 1);
    QCOMPARE(folder.at(0).at(0).toString(), targets_.path() + "/");
    QCOMPARE(engine->Tasks().Count(), 0);
    QVERIFY(!engine->IsActive());
    QTRY_VERIFY(TempDirEntries().isEmpty());
    QVERIFY(prompter_.shown.isEmpty());
}

void TestPipeline::convertedTasks_data() {
    QTest::addColumn<int>("profile");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("format");
    QTest::newRow("MP3") << int(ProfileMp3) << "song.mp3"
                         << "mp3";
    QTest::newRow("AVI holds the MPEG stream") << int(ProfileAvi) << "clip.avi"
                                               << "mpeg";
    QTest::newRow("AVI in capitals") << int(ProfileAvi) << "CLIP.AVI"
                                     << "mpeg";
}

void TestPipeline::convertedTasks() {
    QFETCH(int, profile);
    QFETCH(QString, name);
    QFETCH(QString, format);
    const QString target = targets_.filePath(name);
    auto engine = NewEngine(appDir_);
    Watcher watcher(*engine);
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    Queue(*engine, target, Twelve, profile);

    QCOMPARE(WaitForEnds(ended, 1), QStringList{"Done."});
    QCOMPARE(FormatOf(target), format);
    QCOMPARE(watcher.statuses, (QStringList{"Analysing URL...", "Downloading...", "Converting...",
                                            "Moving file...", "Done."}));
    QCOMPARE(watcher.highest, 100.0);
    QVERIFY(watcher.labels.contains("<->"));
    QCOMPARE(watcher.labels.last(), "0%");
    QCOMPARE(engine->DurationSeconds(), 0);
    QTRY_VERIFY(TempDirEntries().isEmpty());
}

void TestPipeline::brokenConnectionResumes() {
    const QString target = targets_.filePath("resumed.flv");
    auto engine = NewEngine(appDir_);
    Watcher watcher(*engine);
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    Queue(*engine, target, Dropped, ProfileNone);

    QCOMPARE(WaitForEnds(ended, 1), QStringList{"Done."});
    QVERIFY2(watcher.statuses.contains("Resume Broken Downloading"),
             qPrintable(watcher.statuses.join(", ")));
    QCOMPARE(ReadAll(target), Content(*site_, Dropped));
}

void TestPipeline::removingFirstRowDeliversPartialDownload() {
    const QString target = targets_.filePath("partial.flv");
    auto engine = NewEngine(appDir_);
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    Queue(*engine, target, Slow, ProfileNone);
    QTRY_VERIFY_WITH_TIMEOUT(engine->ProgressValue() >= 2, 20000);

    // A late second completion of the lookup must not start another downloader.
    Q_EMIT engine->wb().DocumentComplete(site_->Root() + "/player?video_id=" + Slow + "&t=x");
    const QString command = engine->objDOS().CommandLine();
    QTest::qWait(300);
    QCOMPARE(engine->Tasks().Text(0, TaskList::Status), "Downloading...");
    QCOMPARE(engine->objDOS().CommandLine(), command);
    QCOMPARE(ProcessesNamed("wg"), 1);

    engine->RemoveSelectedTask(engine->Tasks().IdAt(0));
    QCOMPARE(WaitForEnds(ended, 1, 10000), QStringList{"Done."});
    const QByteArray partial = ReadAll(target);
    QVERIFY(!partial.isEmpty());
    QVERIFY(partial.size() < site_->Video(Slow).bytes);
    QVERIFY(Content(*site_, Slow).startsWith(partial));
    QVERIFY(!IsProcessRunning("wg", appDir_ + "/data/wg"));
}

// The Remove question was about the first task, which ended before the user answered: the next
// task has started in its place and must not lose its download.
void TestPipeline::removeOfAnEndedTaskLeavesTheNextAlone() {
    auto engine = NewEngine(appDir_);
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    Queue(*engine, targets_.filePath("asked.flv"), Short, ProfileNone);
    Queue(*engine, targets_.filePath("next.flv"), Slow, ProfileNone);
    const TaskList::TaskId asked = engine->Tasks().IdAt(0);

    QCOMPARE(WaitForEnds(ended, 1), QStringList{"Done."});
    QTRY_VERIFY_WITH_TIMEOUT(engine->ProgressValue() >= 2, 20000);
    const double before = engine->ProgressValue();
    engine->RemoveSelectedTask(asked);
    // The next download goes on.
    QTRY_VERIFY_WITH_TIMEOUT(engine->ProgressValue() >= before + 5, 20000);
    QCOMPARE(ended.size(), 1);
    QCOMPARE(engine->Tasks().Text(0, TaskList::Status), "Downloading...");
    QCOMPARE(engine->Tasks().Text(0, TaskList::FilePath), targets_.filePath("next.flv"));
    engine->RemoveSelectedTask(engine->Tasks().IdAt(0));
    QCOMPARE(WaitForEnds(ended, 2, 10000), (QStringList{"Done.", "Done."}));
}

void TestPipeline::failedTaskLeavesTargetAlone_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("profile");
    QTest::addColumn<bool>("withEncoder");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("message");
    // The site answers 404: the downloader's own verdict is the reason.
    QTest::newRow("unknown id") << Unknown << int(ProfileNone) << true << "answered with an error"
                                << "";
    QTest::newRow("unknown id, converted")
        << Unknown << int(ProfileMp3) << true << "answered with an error"
        << "";
    QTest::newRow("missing encoder") << Short << int(ProfileMp3) << false << "encoder"
                                     << "File or command not found";
    QTest::newRow("lookup never answers") << Hanging << int(ProfileNone) << true << "did not answer"
                                          << "";
}

void TestPipeline::failedTaskLeavesTargetAlone() {
    QFETCH(QString, id);
    QFETCH(int, profile);
    QFETCH(bool, withEncoder);
    QFETCH(QString, reason);
    QFETCH(QString, message);
    QTemporaryDir appDir;
    QDir().mkpath(appDir.filePath("data"));
    QVERIFY(QFile::link(appDir_ + "/data/wg", appDir.filePath("data/wg")));
    if (withEncoder)
        QVERIFY(QFile::link(appDir_ + "/data/coder", appDir.filePath("data/coder")));
    const QString target = targets_.filePath(QString("kept-%1.mp3").arg(QTest::currentDataTag()));
    QVERIFY(WriteAll(target, "the user's own file"));
    const QString next = targets_.filePath("next.flv");

    auto engine = NewEngine(appDir.path());
    engine->wb().SetTimeout(1500);
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    QSignalSpy failed(engine.get(), &TaskEngine::TaskFailed);
    QSignalSpy folder(engine.get(), &TaskEngine::OpenFolderRequested);
    Queue(*engine, target, id, profile, QDateTime::currentDateTime(), appDir.path());
    Queue(*engine, next, Short, ProfileNone);

    // The queue goes on behind the failed task.
    QCOMPARE(WaitForEnds(ended, 2), (QStringList{"Failed.", "Done."}));
    QCOMPARE(ReadAll(target), QByteArray("the user's own file"));
    QCOMPARE(ReadAll(next), Content(*site_, Short));
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), target);
    QVERIFY2(failed.at(0).at(1).toString().contains(reason),
             qPrintable(failed.at(0).at(1).toString()));
    QCOMPARE(folder.size(), 1); // only for the delivered task
    QCOMPARE(prompter_.shown.isEmpty() ? QString() : prompter_.shown.at(0).text, message);
    QTRY_VERIFY(TempDirEntries().isEmpty());
}

void TestPipeline::removeDuringLookupDropsTask() {
    auto engine = NewEngine(appDir_);
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    Queue(*engine, targets_.filePath("never.flv"), Hanging, ProfileNone);
    Queue(*engine, targets_.filePath("after.flv"), Short, ProfileNone);
    QTRY_COMPARE(engine->Tasks().Text(0, TaskList::Status), "Analysing URL...");

    engine->RemoveSelectedTask(engine->Tasks().IdAt(0));
    QCOMPARE(WaitForEnds(ended, 1, 20000), QStringList{"Done."});
    QCOMPARE(ended.at(0).at(0).toString(), targets_.filePath("after.flv"));
    QVERIFY(!QFile::exists(targets_.filePath("never.flv")));
}

void TestPipeline::tasksQueuedInOneSecondFollowTheSound() {
    auto engine = NewEngine(appDir_);
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    QSignalSpy sound(engine.get(), &TaskEngine::PlaySoundRequested);
    const QDateTime moment = QDateTime::currentDateTime();
    Queue(*engine, targets_.filePath("first.flv"), Short, ProfileNone, moment);
    Queue(*engine, targets_.filePath("second.mp3"), Mp4, ProfileMp3, moment);
    QVERIFY(engine->Tasks().TempName(0) != engine->Tasks().TempName(1));

    QCOMPARE(WaitForEnds(ended, 1), QStringList{"Done."});
    QCOMPARE(sound.size(), 1);
    QCOMPARE(sound.at(0).at(0).toString(), appDir_ + "/sound/sound.wav");
    // The next task waits for the sound's end.
    QTest::qWait(200);
    QCOMPARE(engine->Tasks().Text(0, TaskList::Status), "Awaiting...");
    engine->SoundFinished();
    QTRY_COMPARE(engine->Tasks().Text(0, TaskList::Status), "Analysing URL...");

    QCOMPARE(WaitForEnds(ended, 2), (QStringList{"Done.", "Done."}));
    engine->SoundFinished();
    QCOMPARE(ReadAll(targets_.filePath("first.flv")), Content(*site_, Short));
    QCOMPARE(FormatOf(targets_.filePath("second.mp3")), "mp3");
    QTRY_VERIFY(TempDirEntries().isEmpty());
}

QTEST_GUILESS_MAIN(TestPipeline)
#include "tst_Pipeline.moc"
