// Whole tasks whose address is not on SiteRoot, in-process: the real yt-dlp reads the local
// site's watch page (reached as localhost, while SiteRoot names 127.0.0.1), the real wget
// behind data/wg fetches what it found and the real adapter converts it. Stand-in yt-dlps on
// PATH cover a yt-dlp that never answers and show whether one ran at all.

#include "PipelineFixture.h"
#include "ProcessTable.h"
#include "ScriptedPrompter.h"
#include "YtDlpStub.h"

#include <QTemporaryDir>

#include <memory>

using namespace pipeline;

namespace {

double DurationOf(const QString& path) {
    QProcess probe;
    probe.start("ffprobe", {"-v", "error", "-show_entries", "format=duration", "-of",
                            "default=noprint_wrappers=1:nokey=1", path});
    probe.waitForFinished(20000);
    return probe.readAllStandardOutput().trimmed().toDouble();
}

// Runs the test with `folder` alone on PATH, or first on it; the PATH it found comes back after.
class PathChange {
public:
    PathChange(const QString& folder, bool alone) : saved_(qgetenv("PATH")) {
        qputenv("PATH", alone ? folder.toUtf8() : folder.toUtf8() + ':' + saved_);
    }
    ~PathChange() { qputenv("PATH", saved_); }

private:
    QByteArray saved_;
};

} // namespace

class TestYtDlpTasks : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void foreignAddressArrivesAsTheSiteServesIt();
    void foreignAddressConvertedToMp3();
    void failuresEndTheTaskAndTheQueueGoesOn_data();
    void failuresEndTheTaskAndTheQueueGoesOn();
    void removeDuringResolutionEndsYtDlp();
    void resolverChoice_data();
    void resolverChoice();

private:
    std::unique_ptr<TaskEngine> NewEngine(const QString& appDir);
    // The requests the site answered since the test began.
    QStringList NewRequests() const { return site_->Requests().mid(requestsBefore_); }
    bool Requested(const QString& start) const {
        return !NewRequests()
                    .filter(QRegularExpression("^GET " + QRegularExpression::escape(start)))
                    .isEmpty();
    }

    std::unique_ptr<LocalSite> site_;
    QString appDir_;
    QTemporaryDir targets_;
    ScriptedPrompter prompter_;
    qsizetype requestsBefore_ = 0;
};

void TestYtDlpTasks::initTestCase() {
    appDir_ = qEnvironmentVariable("VIDLARK_APPDIR");
    QVERIFY(QFile::exists(appDir_ + "/data/wg"));
    QVERIFY(!QFile::exists(appDir_ + "/data/yt-dlp")); // the one on PATH is the one to test
    QVERIFY2(QFile::exists("/usr/bin/yt-dlp"), "yt-dlp is not installed");
    site_ = std::make_unique<LocalSite>(QStringList{},
                                        qEnvironmentVariable("VIDLARK_BINDIR") + "/../site-cache");
    QVERIFY2(site_->Start(), qPrintable(site_->Error()));
    QVERIFY(EnsureTempDir());
}

void TestYtDlpTasks::init() {
    prompter_.shown.clear();
    requestsBefore_ = site_->Requests().size();
    QVERIFY(TempDirEntries().isEmpty());
}

void TestYtDlpTasks::cleanup() {
    KillProcessesByName("wg", appDir_ + "/data/wg");
    KillProcessesByName("coder", appDir_ + "/data/coder");
    QDir(TempDir()).removeRecursively();
    EnsureTempDir();
}

std::unique_ptr<TaskEngine> TestYtDlpTasks::NewEngine(const QString& appDir) {
    auto engine = std::make_unique<TaskEngine>(&prompter_);
    engine->SetAppDir(appDir);
    engine->SetSiteRoot(site_->Root());
    return engine;
}

void TestYtDlpTasks::foreignAddressArrivesAsTheSiteServesIt() {
    const QString target = targets_.filePath("clip.webm");
    auto engine = NewEngine(appDir_);
    Watcher watcher(*engine);
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    QSignalSpy failed(engine.get(), &TaskEngine::TaskFailed);
    QueueAddress(*engine, appDir_, target, site_->OtherRoot() + "/watch?v=" + Mp4, ProfileNone);

    QCOMPARE(WaitForEnds(ended, 1), QStringList{"Done."});
    QCOMPARE(failed.size(), 0);
    const QByteArray served = LocalSite::Fetch(site_->OtherRoot() + "/media/" + Mp4 + ".webm");
    QVERIFY(served.size() > 1000);
    QCOMPARE(ReadAll(target), served);
    QCOMPARE(watcher.statuses, (QStringList{"Analysing URL...", "Downloading...", "Done."}));
    QCOMPARE(watcher.highest, 100.0);
    // yt-dlp read the watch page, wget fetched the file it names; the site's lookup was not asked.
    QTRY_VERIFY(Requested("/media/" + Mp4 + ".webm"));
    QVERIFY(Requested("/watch?v=" + Mp4));
    QVERIFY2(!Requested("/v/") && !Requested("/get_video"), qPrintable(NewRequests().join('\n')));
    QTRY_VERIFY(TempDirEntries().isEmpty());
    QVERIFY(prompter_.shown.isEmpty());
}

void TestYtDlpTasks::foreignAddressConvertedToMp3() {
    const QString target = targets_.filePath("song.mp3");
    auto engine = NewEngine(appDir_);
    Watcher watcher(*engine);
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    QueueAddress(*engine, appDir_, target, site_->OtherRoot() + "/watch?v=" + Twelve, ProfileMp3);

    QCOMPARE(WaitForEnds(ended, 1), QStringList{"Done."});
    QCOMPARE(FormatOf(target), "mp3");
    QVERIFY2(qAbs(DurationOf(target) - site_->Video(Twelve).seconds) < 0.5,
             qPrintable(QString::number(DurationOf(target))));
    QCOMPARE(watcher.statuses, (QStringList{"Analysing URL...", "Downloading...", "Converting...",
                                            "Moving file...", "Done."}));
    QTRY_VERIFY(TempDirEntries().isEmpty());
}

void TestYtDlpTasks::failuresEndTheTaskAndTheQueueGoesOn_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("stub");
    QTest::addColumn<bool>("stubAlone");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing video")
        << "/watch?v=" + Unknown << QByteArray() << false << 30
        << "yt-dlp: Unable to download webpage: HTTP Error 404: Not Found";
    // The part after "#" never reaches the site: the address is the site's start page.
    QTest::newRow("page without video")
        << "/browse?s=mp&c=10#watch?v=" + Short << QByteArray() << false << 30
        << "yt-dlp: Unsupported URL: " + site_->OtherRoot() + "/browse?s=mp&c=10#watch?v=" + Short;
    QTest::newRow("no yt-dlp anywhere") << "/watch?v=" + Short << QByteArray() << true << 30
                                        << "yt-dlp is needed for addresses outside 127.0.0.1";
    QTest::newRow("yt-dlp never answers") << "/watch?v=" + Short << ytdlpstub::Silent << false << 2
                                          << "yt-dlp did not answer within 2 seconds.";
}

void TestYtDlpTasks::failuresEndTheTaskAndTheQueueGoesOn() {
    QFETCH(QString, path);
    QFETCH(QByteArray, stub);
    QFETCH(bool, stubAlone);
    QFETCH(int, seconds);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    if (!stub.isEmpty())
        QVERIFY(!ytdlpstub::Write(folder.path(), stub).isEmpty());
    const PathChange path_(folder.path(), stubAlone);
    const QString target = targets_.filePath(QString("kept-%1.flv").arg(QTest::currentDataTag()));
    QVERIFY(WriteAll(target, "the user's own file"));
    const QString next = targets_.filePath("next.flv");

    auto engine = NewEngine(appDir_);
    engine->SetResolveSeconds(seconds);
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    QSignalSpy failed(engine.get(), &TaskEngine::TaskFailed);
    QueueAddress(*engine, appDir_, target, site_->OtherRoot() + path, ProfileNone);
    Queue(*engine, *site_, appDir_, next, Short, ProfileNone);

    QCOMPARE(WaitForEnds(ended, 2), (QStringList{"Failed.", "Done."}));
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), target);
    QCOMPARE(failed.at(0).at(1).toString(), reason);
    QCOMPARE(ReadAll(target), QByteArray("the user's own file"));
    QCOMPARE(ReadAll(next), Content(*site_, Short));
    QVERIFY(prompter_.shown.isEmpty());
    if (!stub.isEmpty())
        QTRY_VERIFY(!ytdlpstub::IsAlive(ytdlpstub::Pid(folder.path())));
    QTRY_VERIFY(TempDirEntries().isEmpty());
}

void TestYtDlpTasks::removeDuringResolutionEndsYtDlp() {
    QTemporaryDir folder;
    QVERIFY(!ytdlpstub::Write(folder.path(), ytdlpstub::Silent).isEmpty());
    const PathChange path(folder.path(), false);
    auto engine = NewEngine(appDir_);
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    QueueAddress(*engine, appDir_, targets_.filePath("never.flv"),
                 site_->OtherRoot() + "/watch?v=" + Short, ProfileNone);
    Queue(*engine, *site_, appDir_, targets_.filePath("after.flv"), Short, ProfileNone);
    QTRY_VERIFY_WITH_TIMEOUT(ytdlpstub::IsAlive(ytdlpstub::Pid(folder.path())), 10000);
    const qint64 pid = ytdlpstub::Pid(folder.path());
    // While yt-dlp works the row says so and its clock runs.
    QCOMPARE(engine->Tasks().Text(0, TaskList::Status), "Analysing URL...");
    QTRY_COMPARE_WITH_TIMEOUT(engine->Tasks().Text(0, TaskList::TimeUsed), "00:00:1", 3000);

    engine->RemoveSelectedTask(engine->Tasks().IdAt(0));
    QVERIFY(!engine->ytdlp().IsBusy());
    QTRY_VERIFY(!ytdlpstub::IsAlive(pid));
    QCOMPARE(WaitForEnds(ended, 1, 20000), QStringList{"Done."});
    QCOMPARE(ended.at(0).at(0).toString(), targets_.filePath("after.flv"));
    QVERIFY(!QFile::exists(targets_.filePath("never.flv")));
}

void TestYtDlpTasks::resolverChoice_data() {
    QTest::addColumn<bool>("onSiteRoot");
    QTest::addColumn<int>("rule");
    QTest::addColumn<bool>("byYtDlp");
    QTest::newRow("SiteRoot address: the site's lookup")
        << true << int(ResolverRule::Automatic) << false;
    QTest::newRow("Resolver=yt-dlp takes SiteRoot addresses too")
        << true << int(ResolverRule::YtDlp) << true;
    QTest::newRow("Resolver=site takes other addresses too")
        << false << int(ResolverRule::Site) << false;
}

void TestYtDlpTasks::resolverChoice() {
    QFETCH(bool, onSiteRoot);
    QFETCH(int, rule);
    QFETCH(bool, byYtDlp);
    // A yt-dlp first on PATH that notes each run, then hands over to the real one.
    QTemporaryDir folder;
    QVERIFY(!ytdlpstub::Write(folder.path(), ytdlpstub::PassThrough).isEmpty());
    const PathChange path(folder.path(), false);
    const QString target = targets_.filePath(QString("choice-%1.flv").arg(QTest::currentDataTag()));
    auto engine = NewEngine(appDir_);
    engine->SetResolverRule(ResolverRule(rule));
    QSignalSpy ended(engine.get(), &TaskEngine::TaskEnded);
    const QString root = onSiteRoot ? site_->Root() : site_->OtherRoot();
    QueueAddress(*engine, appDir_, target, root + "/watch?v=" + Short, ProfileNone);

    QCOMPARE(WaitForEnds(ended, 1), QStringList{"Done."});
    QCOMPARE(QFile::exists(folder.filePath("ran")), byYtDlp);
    if (byYtDlp) {
        QCOMPARE(ReadAll(target), LocalSite::Fetch(root + "/media/" + Short + ".webm"));
        QTRY_VERIFY(Requested("/media/" + Short + ".webm"));
        QVERIFY(!Requested("/v/"));
    } else {
        QCOMPARE(ReadAll(target), Content(*site_, Short));
        QTRY_VERIFY(Requested("/get_video?video_id=" + Short + "&t="));
        QVERIFY(Requested("/v/" + Short));
        QVERIFY(!Requested("/watch"));
    }
}

QTEST_GUILESS_MAIN(TestYtDlpTasks)
#include "tst_YtDlpTasks.moc"
