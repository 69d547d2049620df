// Start-up benchmark of the main window: from launching a process to the window being mapped,
// and to the music browser's start page having loaded, over several runs. The process launched
// is this program itself in its child role, which builds the window as the program does.
// Needs an X display; uses the local video site when bin/videosite is there.
//   bench_startup [runs]

#include "frmMain.h"
#include "HiddenText.h"
#include "LocalSite.h"
#include "MusicBrowser.h"
#include "Prompter.h"
#include "TaskList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUrl>

#include <algorithm>
#include <cstdio>

namespace {

class SilentPrompter : public Prompter {
public:
    void Inform(Icon, const QString&, const QString&) override {}
    bool AskOkCancel(const QString&, const QString&) override { return false; }
};

// Reports the first time the window paints itself, which it does once it is mapped.
class PaintWatch : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            std::printf("mapped\n");
            std::fflush(stdout);
        }
        return false;
    }

private:
    bool seen_ = false;
};

int RunChild(int argc, char** argv, const QString& siteRoot) {
    MusicBrowser::PrepareProcess();
    QApplication app(argc, argv);
    TaskList tasks;
    SilentPrompter prompter;
    frmMain window(&tasks, &prompter);
    window.SetSiteRoot(siteRoot);
    QObject::connect(&window, &frmMain::StartPageLoaded, &app, [&](bool ok) {
        std::printf(ok ? "loaded\n" : "failed\n");
        std::fflush(stdout);
        app.quit();
    });
    PaintWatch watch;
    window.installEventFilter(&watch);
    window.show();
    return app.exec();
}

struct Run {
    double mapped = -1;
    double loaded = -1;
};

Run Measure(const QString& siteRoot) {
    Run run;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), siteRoot});
    while (child.state() != QProcess::NotRunning || child.canReadLine()) {
        if (!child.canReadLine() && !child.waitForReadyRead(30000))
            break;
        while (child.canReadLine()) {
            const QByteArray line = child.readLine().trimmed();
            const double ms = clock.nsecsElapsed() / 1e6;
            if (line == "mapped")
                run.mapped = ms;
            else if (line == "loaded")
                run.loaded = ms;
        }
        if (run.loaded >= 0)
            break;
    }
    child.waitForFinished(10000);
    return run;
}

QString Summary(QList<double> values) {
    values.removeIf([](double v) { return v < 0; });
    if (values.isEmpty())
        return QStringLiteral("no result");
    std::sort(values.begin(), values.end());
    return QStringLiteral("median %1 ms, best %2 ms, worst %3 ms")
        .arg(values[values.size() / 2], 0, 'f', 0)
        .arg(values.first(), 0, 'f', 0)
        .arg(values.last(), 0, 'f', 0);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return RunChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 5;
    QTextStream out(stdout);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        out << "bench_startup needs an X display (DISPLAY is not set)\n";
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("VIDLARK_BINDIR"))
        qputenv("VIDLARK_BINDIR", QCoreApplication::applicationDirPath().toLocal8Bit());
    QTemporaryDir pages;
    LocalSite site({}, qEnvironmentVariable("VIDLARK_BINDIR") + "/site-cache-bench");
    QString siteRoot;
    if (site.Start()) {
        siteRoot = site.Root();
    } else {
        // Without the local site, a page of our own stands in for the start page.
        QFile page(pages.filePath(QStringLiteral("browse")));
        page.open(QIODevice::WriteOnly);
        page.write("<html><body><h1>Music</h1></body></html>");
        siteRoot = QUrl::fromLocalFile(pages.path()).toString();
    }
    out << "start-up of the main window, " << runs << " runs, start page " << siteRoot << "\n";
    QList<double> mapped, loaded;
    for (int i = 0; i < runs; ++i) {
        const Run run = Measure(siteRoot);
        mapped << run.mapped;
        loaded << run.loaded;
        out << QStringLiteral("run %1: mapped %2 ms, start page loaded %3 ms\n")
                   .arg(i + 1)
                   .arg(run.mapped, 0, 'f', 0)
                   .arg(run.loaded, 0, 'f', 0);
        out.flush();
    }
    out << "launch -> window mapped:      " << Summary(mapped) << "\n";
    out << "launch -> start page loaded:  " << Summary(loaded) << "\n";
    return 0;
}
