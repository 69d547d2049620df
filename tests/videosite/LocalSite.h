// Test fixture: runs the local video site (bin/videosite) on a free port of 127.0.0.1 with a
// cache folder of its own, reads the root and the videos it prints, and ends it on destruction.
//
//     LocalSite site({"--drop", "tY6eS3wQ8zN:500000"});
//     QVERIFY2(site.Start(), qPrintable(site.Error()));
//     site.Root();          // "http://127.0.0.1:PORT"
//     site.OtherRoot();     // "http://localhost:PORT": the same site under another host name
//     site.Ids();           // every video id, shortest video first
//     site.Video(id).bytes; // its size; site.SourceFile(id) is the file it serves
#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <memory>
#include <sys/prctl.h>

class LocalSite {
public:
    struct VideoInfo {
        QString id;
        int seconds = 0;
        qint64 bytes = 0;
    };

    // `cacheDir` may name a folder shared between tests so the videos are made only once;
    // empty means a private temporary folder.
    explicit LocalSite(QStringList extraArgs = {}, QString cacheDir = {})
        : extraArgs_(std::move(extraArgs)), cacheDir_(std::move(cacheDir)) {}
    ~LocalSite() { Stop(); }
    LocalSite(const LocalSite&) = delete;
    LocalSite& operator=(const LocalSite&) = delete;

    // Starts the site and waits until it serves (making videos on a first start takes seconds).
    bool Start(int timeoutMs = 180000) {
        if (cacheDir_.isEmpty())
            cacheDir_ = temp_.filePath("cache");
        const QString binDir = qEnvironmentVariable("VIDLARK_BINDIR");
        if (binDir.isEmpty())
            return Fail("VIDLARK_BINDIR is not set");
        process_ = std::make_unique<QProcess>();
        // A test that crashes must not leave its site running.
        process_->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process_->start(binDir + "/videosite",
                        QStringList{"--port", "0", "--cache", cacheDir_, "--log", FeedbackLogPath(),
                                    "--requests", RequestLogPath()} +
                            extraArgs_);
        if (!process_->waitForStarted())
            return Fail("videosite did not start: " + process_->errorString());
        const QDeadlineTimer deadline(timeoutMs);
        QString line;
        while (line != "ready") {
            while (!process_->canReadLine()) {
                if (process_->state() != QProcess::Running || deadline.hasExpired())
                    return Fail("videosite ended or took too long: " +
                                QString::fromUtf8(process_->readAllStandardError()));
                process_->waitForReadyRead(100);
            }
            line = QString::fromUtf8(process_->readLine()).trimmed();
            const QStringList parts = line.split(' ');
            if (root_.isEmpty())
                root_ = line;
            else if (parts.size() == 4 && parts[0] == "video")
                videos_.append({parts[1], parts[2].toInt(), parts[3].toLongLong()});
        }
        std::sort(videos_.begin(), videos_.end(),
                  [](auto& a, auto& b) { return a.seconds < b.seconds; });
        return true;
    }

    // Ends the site the way ./run does (SIGTERM); returns its exit code, or -1 if it had to be
    // killed.
    int Stop(int timeoutMs = 10000) {
        if (!process_ || process_->state() == QProcess::NotRunning)
            return process_ ? process_->exitCode() : 0;
        process_->terminate();
        if (process_->waitForFinished(timeoutMs) && process_->exitStatus() == QProcess::NormalExit)
            return process_->exitCode();
        process_->kill();
        process_->waitForFinished();
        return -1;
    }

    QString Root() const { return root_; }
    // The same site named by another host, so that its addresses are not on Root().
    QString OtherRoot() const {
        QString other = root_;
        return other.replace(QStringLiteral("//127.0.0.1:"), QStringLiteral("//localhost:"));
    }
    QList<VideoInfo> Videos() const { return videos_; }
    QStringList Ids() const {
        QStringList ids;
        for (const auto& video : videos_)
            ids << video.id;
        return ids;
    }
    VideoInfo Video(const QString& id) const {
        for (const auto& video : videos_)
            if (video.id == id)
                return video;
        return {};
    }
    // The file the site serves for `id` (the download's content, not the player's preview).
    QString SourceFile(const QString& id) const {
        // A shared cache may still hold files of an older recipe; the size tells them apart.
        const auto found =
            QDir(cacheDir_).entryInfoList({id + "-*.flv", id + "-*.mp4"}, QDir::Files);
        for (const auto& file : found)
            if (file.size() == Video(id).bytes)
                return file.filePath();
        return {};
    }
    QString FeedbackLogPath() const { return temp_.filePath("feedback.log"); }
    // Every request the site answered, "METHOD TARGET STATUS" a line.
    QString RequestLogPath() const { return temp_.filePath("requests.log"); }
    QStringList Requests() const {
        QFile file(RequestLogPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    // What the site answers at `address`, fetched with wget.
    static QByteArray Fetch(const QString& address) {
        QProcess wget;
        wget.start(QStringLiteral("wget"), {QStringLiteral("-q"), QStringLiteral("-O"),
                                            QStringLiteral("-"), QStringLiteral("--"), address});
        wget.waitForFinished(30000);
        return wget.readAllStandardOutput();
    }
    QString CacheDir() const { return cacheDir_; }
    QString Error() const { return error_; }
    qint64 ProcessId() const { return process_ ? process_->processId() : 0; }

private:
    bool Fail(const QString& message) {
        error_ = message;
        Stop();
        return false;
    }

    QStringList extraArgs_;
    QString cacheDir_;
    QTemporaryDir temp_;
    std::unique_ptr<QProcess> process_;
    QString root_;
    QList<VideoInfo> videos_;
    QString error_;
};
