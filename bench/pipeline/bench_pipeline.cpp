// Whole tasks through the engine against the same work done by the tools alone:
//   (a) a 200 MB unconverted task, queueing to "Done.", against wget fetching the same address;
//   (b) an MP3 task of a 3-minute video against wget and then ffmpeg run directly;
//   (c) the program's own CPU time during (a);
//   (d) the fixed cost of a task: queueing to "Done." less the same tools' own time, on the
//       site's shortest video, unconverted and as MP3;
//   (e) the pause between two queued tasks: the completion sound and the next task's start.
//   (f) the cost of resolving one address, from "Analysing URL..." to "Downloading...", by the
//       site's lookup and by yt-dlp (the same site named localhost), and a whole 3 s task each
//       way.
// Each figure is the median of a few runs. Run bench/pipeline/bench_pipeline by hand.

#include "AppPaths.h"
#include "CoderArguments.h"
#include "CommandLineSplit.h"
#include "CompletionSound.h"
#include "ConversionProfiles.h"
#include "HiddenText.h"
#include "LocalSite.h"
#include "TaskEngine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

const QString BigId = QStringLiteral("BigVideo200");
const QString LongId = QStringLiteral("tY6eS3wQ8zN");  // 3 minutes
const QString ShortId = QStringLiteral("Q2xV9dLm4bA"); // 3 seconds, the site's shortest
constexpr int Runs = 5;
constexpr int ShortRuns = 11;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double Median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

// The download address with a fresh token, as the engine's lookup finds it.
QString DownloadAddress(const QString& root, const QString& id) {
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl(root + "/v/" + id));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = network.get(request);
    QEventLoop wait;
    QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    wait.exec();
    const QString token = reply->url().toString().section("&t=", 1).section('&', 0, 0);
    reply->deleteLater();
    return root + "/get_video?video_id=" + id + "&t=" + token;
}

double RunTool(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.setStandardOutputFile(QProcess::nullDevice());
    tool.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    tool.start(program, arguments);
    tool.waitForFinished(-1);
    return clock.elapsed() / 1000.0;
}

// The tools' own work for a task: wget fetching the address, then for a converted task ffmpeg
// given the encoder line the task runs, mapped as the adapter maps it.
double RunToolsDirectly(const QString& appDir, const QString& root, const QString& id, int profile,
                        const QString& base) {
    const QString address = DownloadAddress(root, id);
    double seconds = RunTool("wget", {"-c", "-O", base + ".flv", address});
    if (profile != ProfileNone) {
        ProfileParams params = InitialParams();
        ApplyProfile(profile, params);
        const SplitCommand line =
            SplitCommandLine(BuildEncoderCommand(profile, appDir, base, params));
        std::vector<std::string> args;
        for (const QString& argument : line.arguments)
            args.push_back(argument.toStdString());
        QStringList mapped;
        for (const std::string& argument : MapToFfmpeg(args, EncoderSupport{}))
            mapped << QString::fromStdString(argument);
        seconds += RunTool("ffmpeg", mapped);
    }
    for (const char* extension : {".flv", ".mp3"})
        QFile::remove(base + extension);
    return seconds;
}

struct EngineRun {
    double seconds = 0;
    double resolveSeconds = 0; // until the row reads "Downloading..."
    double cpuSeconds = 0;
    bool done = false;
};

// Queues a task for `address` as the add-task dialog does (the hidden address box changes,
// Timer1 is enabled) on a program that has just started, and waits for its end.
EngineRun RunTask(const QString& appDir, const QString& root, const QString& address,
                  const QString& id, int profile, const QString& target) {
    TaskEngine engine(nullptr);
    engine.SetAppDir(appDir);
    engine.SetSiteRoot(root);
    HiddenText txtURL;
    engine.SetUrlBox(&txtURL);
    EngineRun run;
    QEventLoop wait;
    QObject::connect(&engine, &TaskEngine::TaskEnded, &wait,
                     [&](const QString&, const QString& status) {
                         run.done = status == QLatin1String("Done.");
                         wait.quit();
                     });
    QObject::connect(&engine, &TaskEngine::TaskFailed, &wait,
                     [](const QString& failed, const QString& reason) {
                         std::fprintf(stderr, "bench_pipeline: %s failed: %s\n", qPrintable(failed),
                                      qPrintable(reason));
                     });
    const QString tempBase = TempDir() + "bench_" + id;
    ProfileParams params = InitialParams();
    ApplyProfile(profile, params);
    const double cpu = CpuSeconds();
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&engine.Tasks(), &QAbstractItemModel::dataChanged, &wait, [&] {
        if (run.resolveSeconds == 0 && engine.Tasks().Count() > 0 &&
            engine.Tasks().Text(0, TaskList::Status) == QLatin1String("Downloading..."))
            run.resolveSeconds = clock.nsecsElapsed() / 1e9;
    });
    engine.Tasks().Append(target, address, tempBase + ".flv",
                          BuildEncoderCommand(profile, appDir, tempBase, params));
    txtURL.SetText(address);
    engine.EnableTimer1();
    wait.exec();
    run.seconds = clock.elapsed() / 1000.0;
    run.cpuSeconds = CpuSeconds() - cpu;
    QFile::remove(target);
    return run;
}

// Two tasks queued at once, with the completion sound played as the program plays it: the time
// from the first task's "Done." to the second one's start.
double PauseBetweenTasks(const QString& appDir, const QString& root, const QString& out) {
    TaskEngine engine(nullptr);
    engine.SetAppDir(appDir);
    engine.SetSiteRoot(root);
    CompletionSound sound;
    QObject::connect(&engine, &TaskEngine::PlaySoundRequested, &sound, &CompletionSound::Play);
    QObject::connect(&sound, &CompletionSound::Finished, &engine, &TaskEngine::SoundFinished);
    QElapsedTimer clock;
    QEventLoop wait;
    QObject::connect(&engine, &TaskEngine::TaskEnded, &wait, [&] { clock.start(); });
    QObject::connect(&engine.Tasks(), &QAbstractItemModel::dataChanged, &wait, [&] {
        if (clock.isValid() &&
            engine.Tasks().Text(0, TaskList::Status) == QLatin1String("Analysing URL..."))
            wait.quit();
    });
    for (const char* name : {"first", "second"})
        engine.Tasks().Append(out + "/" + name + ".flv", root + "/watch?v=" + ShortId,
                              TempDir() + "bench_" + name + ".flv", "None");
    engine.EnableTimer1();
    wait.exec();
    const double seconds = clock.elapsed() / 1000.0;
    QObject::disconnect(&engine.Tasks(), nullptr, &wait, nullptr);
    QObject::connect(&engine, &TaskEngine::TaskEnded, &wait, &QEventLoop::quit);
    wait.exec();
    for (const char* name : {"first", "second"})
        QFile::remove(out + "/" + name + ".flv");
    return seconds;
}

} // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir work(QDir::tempPath() + "/vlbench-XXXXXX");
    qputenv("XDG_CACHE_HOME", (work.path() + "/cache").toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // the completion sound's beep needs one
    const QString appDir = QStringLiteral(VIDLARK_APPDIR_PATH);
    qputenv("VIDLARK_BINDIR", VIDLARK_BINDIR_PATH);
    LocalSite site({"--big-id", BigId, "--big-mb", "200"},
                   QStringLiteral(VIDLARK_BINDIR_PATH "/../site-cache"));
    if (!site.Start() || !EnsureTempDir()) {
        std::fprintf(stderr, "bench_pipeline: %s\n", qPrintable(site.Error()));
        return 1;
    }
    const QString out = work.path();
    const QString root = site.Root();

    QList<double> taskA, wgetA, cpuA, taskB, directB;
    QList<double> resolveSite, resolveYtDlp, shortSite, shortYtDlp;
    bool done = true;
    for (int run = 0; run < Runs; ++run) {
        // Alternate which goes first, so that neither always meets the other's disk writes.
        const auto engineA = [&] {
            const EngineRun a = RunTask(appDir, site.Root(), site.Root() + "/watch?v=" + BigId,
                                        BigId, ProfileNone, out + "/big.flv");
            taskA << a.seconds;
            cpuA << a.cpuSeconds;
            done = done && a.done;
        };
        const auto toolA = [&] {
            wgetA << RunToolsDirectly(appDir, root, BigId, ProfileNone, out + "/big-wget");
        };
        const auto engineB = [&] {
            const EngineRun b = RunTask(appDir, site.Root(), site.Root() + "/watch?v=" + LongId,
                                        LongId, ProfileMp3, out + "/long.mp3");
            taskB << b.seconds;
            done = done && b.done;
        };
        const auto toolsB = [&] {
            directB << RunToolsDirectly(appDir, root, LongId, ProfileMp3, out + "/direct");
        };
        const auto resolveD = [&](bool byYtDlp) {
            const QString root = byYtDlp ? site.OtherRoot() : site.Root();
            const EngineRun d = RunTask(appDir, site.Root(), root + "/watch?v=" + ShortId, ShortId,
                                        ProfileNone, out + "/short.flv");
            (byYtDlp ? resolveYtDlp : resolveSite) << d.resolveSeconds;
            (byYtDlp ? shortYtDlp : shortSite) << d.seconds;
            done = done && d.done;
            QFile::remove(out + "/short.flv");
        };
        if (run % 2 == 0) {
            engineA(), toolA(), engineB(), toolsB(), resolveD(false), resolveD(true);
        } else {
            toolA(), engineA(), toolsB(), engineB(), resolveD(true), resolveD(false);
        }
    }

    // (d): each run pairs the program with the tools on the same video, in alternating order.
    struct FixedCost {
        int profile;
        const char* label;
        QList<double> program, tools, difference;
    };
    FixedCost fixed[] = {{ProfileNone, "(d) fixed cost of a 3-second \"None\" task", {}, {}, {}},
                         {ProfileMp3, "(d) fixed cost of a 3-second MP3 task", {}, {}, {}}};
    for (int run = 0; run < ShortRuns; ++run) {
        for (FixedCost& cost : fixed) {
            const QString target =
                out + (cost.profile == ProfileNone ? "/short.flv" : "/short.mp3");
            double program = 0, tools = 0;
            const auto engine = [&] {
                const EngineRun task = RunTask(appDir, root, root + "/watch?v=" + ShortId, ShortId,
                                               cost.profile, target);
                program = task.seconds;
                done = done && task.done;
            };
            const auto direct = [&] {
                tools =
                    RunToolsDirectly(appDir, root, ShortId, cost.profile, out + "/short-direct");
            };
            if (run % 2 == 0)
                engine(), direct();
            else
                direct(), engine();
            cost.program << program;
            cost.tools << tools;
            cost.difference << program - tools;
        }
    }
    QList<double> pauses;
    for (int run = 0; run < Runs; ++run)
        pauses << PauseBetweenTasks(appDir, root, out);
    if (!done)
        std::fprintf(stderr, "bench_pipeline: a task did not end \"Done.\"\n");

    const double a = Median(taskA), aw = Median(wgetA), b = Median(taskB), bd = Median(directB);
    std::printf("%-52s %10s %10s %7s\n", "median of 5 runs (11 for d)", "program", "tools",
                "ratio");
    std::printf("%-52s %9.2fs %9.2fs %6.2fx\n",
                "(a) 200 MB \"None\" task, queue to \"Done.\" / wget", a, aw, a / aw);
    std::printf("%-52s %9.2fs %9.2fs %6.2fx\n", "(b) MP3 of a 3-minute video / wget + ffmpeg", b,
                bd, b / bd);
    std::printf("%-52s %9.2fs %9s %6.1f%%\n", "(c) program CPU time during (a), share of its wall",
                Median(cpuA), "", Median(cpuA) / a * 100);
    for (const FixedCost& cost : fixed)
        std::printf("%-52s %9.3fs %9.3fs %+6.0fms\n", cost.label, Median(cost.program),
                    Median(cost.tools), Median(cost.difference) * 1000);
    std::printf("%-52s %9.3fs\n", "(e) pause between two tasks (sound, next start)",
                Median(pauses));
    const double rs = Median(resolveSite), ry = Median(resolveYtDlp);
    std::printf("%-52s %10s %10s %7s\n", "", "lookup", "yt-dlp", "added");
    std::printf("%-52s %9.3fs %9.3fs %6.2fs\n", "(f) resolving one address, to \"Downloading...\"",
                rs, ry, ry - rs);
    std::printf("%-52s %9.3fs %9.3fs %6.2fs\n", "    whole 3 s \"None\" task, queue to \"Done.\"",
                Median(shortSite), Median(shortYtDlp), Median(shortYtDlp) - Median(shortSite));
    return 0;
}
