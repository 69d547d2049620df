// Whole tasks through the engine against the same work done by the tools alone:
//   (a) a 200 MB unconverted task, queueing to "Done.", against wget fetching the same address;
//   (b) an MP3 task of a 3-minute video against wget and then ffmpeg run directly;
//   (c) the program's own CPU time during (a);
//   (d) the fixed cost of resolving one address, from "Analysing URL..." to "Downloading...",
//       by the site's lookup and by yt-dlp (the same site named localhost), and a whole 3 s
//       task each way.
// Each figure is the median of a few runs. Run bench/pipeline/bench_pipeline by hand.

#include "AppPaths.h"
#include "CoderArguments.h"
#include "CommandLineSplit.h"
#include "ConversionProfiles.h"
#include "LocalSite.h"
#include "TaskEngine.h"

#include <QCoreApplication>
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
const QString ShortId = QStringLiteral("Q2xV9dLm4bA"); // 3 seconds
constexpr int Runs = 5;

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

struct EngineRun {
    double seconds = 0;
    double resolveSeconds = 0; // until the row reads "Downloading..."
    double cpuSeconds = 0;
    bool done = false;
};

EngineRun RunTask(const QString& appDir, const QString& root, const QString& address,
                  const QString& id, int profile, const QString& target) {
    TaskEngine engine(nullptr);
    engine.SetAppDir(appDir);
    engine.SetSiteRoot(root);
    EngineRun run;
    QEventLoop wait;
    QObject::connect(&engine, &TaskEngine::TaskEnded, &wait,
                     [&](const QString&, const QString& status) {
                         run.done = status == QLatin1String("Done.");
                         wait.quit();
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
    engine.EnableTimer1();
    wait.exec();
    run.seconds = clock.elapsed() / 1000.0;
    run.cpuSeconds = CpuSeconds() - cpu;
    return run;
}

} // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir work(QDir::tempPath() + "/vlbench-XXXXXX");
    qputenv("XDG_CACHE_HOME", (work.path() + "/cache").toUtf8());
    QCoreApplication app(argc, argv);
    const QString appDir = QStringLiteral(VIDLARK_APPDIR_PATH);
    qputenv("VIDLARK_BINDIR", VIDLARK_BINDIR_PATH);
    LocalSite site({"--big-id", BigId, "--big-mb", "200"},
                   QStringLiteral(VIDLARK_BINDIR_PATH "/../site-cache"));
    if (!site.Start() || !EnsureTempDir()) {
        std::fprintf(stderr, "bench_pipeline: %s\n", qPrintable(site.Error()));
        return 1;
    }
    const QString out = work.path();

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
            QFile::remove(out + "/big.flv");
        };
        const auto toolA = [&] {
            const QString address = DownloadAddress(site.Root(), BigId);
            wgetA << RunTool("wget", {"-c", "-O", out + "/big-wget.flv", address});
            QFile::remove(out + "/big-wget.flv");
        };
        const auto engineB = [&] {
            const EngineRun b = RunTask(appDir, site.Root(), site.Root() + "/watch?v=" + LongId,
                                        LongId, ProfileMp3, out + "/long.mp3");
            taskB << b.seconds;
            done = done && b.done;
            QFile::remove(out + "/long.mp3");
        };
        const auto toolsB = [&] {
            // The encoder line the task runs, mapped as the adapter maps it, given to ffmpeg.
            ProfileParams params = InitialParams();
            ApplyProfile(ProfileMp3, params);
            const QString base = out + "/direct";
            const SplitCommand line =
                SplitCommandLine(BuildEncoderCommand(ProfileMp3, appDir, base, params));
            std::vector<std::string> args;
            for (const QString& argument : line.arguments)
                args.push_back(argument.toStdString());
            QStringList mapped;
            for (const std::string& argument : MapToFfmpeg(args, EncoderSupport{}))
                mapped << QString::fromStdString(argument);
            const QString address = DownloadAddress(site.Root(), LongId);
            const double fetch = RunTool("wget", {"-c", "-O", base + ".flv", address});
            directB << fetch + RunTool("ffmpeg", mapped);
            QFile::remove(base + ".flv");
            QFile::remove(base + ".mp3");
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
    if (!done)
        std::fprintf(stderr, "bench_pipeline: a task did not end \"Done.\"\n");

    const double a = Median(taskA), aw = Median(wgetA), b = Median(taskB), bd = Median(directB);
    std::printf("%-52s %10s %10s %7s\n", "median of 5 runs", "program", "tools", "ratio");
    std::printf("%-52s %9.2fs %9.2fs %6.2fx\n",
                "(a) 200 MB \"None\" task, queue to \"Done.\" / wget", a, aw, a / aw);
    std::printf("%-52s %9.2fs %9.2fs %6.2fx\n", "(b) MP3 of a 3-minute video / wget + ffmpeg", b,
                bd, b / bd);
    std::printf("%-52s %9.2fs %9s %6.1f%%\n", "(c) program CPU time during (a), share of its wall",
                Median(cpuA), "", Median(cpuA) / a * 100);
    const double rs = Median(resolveSite), ry = Median(resolveYtDlp);
    std::printf("%-52s %10s %10s %7s\n", "", "lookup", "yt-dlp", "added");
    std::printf("%-52s %9.3fs %9.3fs %6.2fs\n", "(d) resolving one address, to \"Downloading...\"",
                rs, ry, ry - rs);
    std::printf("%-52s %9.3fs %9.3fs %6.2fs\n", "    whole 3 s \"None\" task, queue to \"Done.\"",
                Median(shortSite), Median(shortYtDlp), Median(shortYtDlp) - Median(shortSite));
    return 0;
}
