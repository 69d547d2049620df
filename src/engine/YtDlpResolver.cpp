#include "YtDlpResolver.h"

#include "ToolEnvironment.h"
#include "YtDlpAnswer.h"

#include <QProcess>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// Far more than one address and a few error lines; anything beyond is not read.
constexpr qsizetype StreamLimit = 256 * 1024;

// One single file with both picture and sound, fetched over plain HTTP(S): no merging of
// separate streams, no HLS or DASH playlists (the downloader would fetch the playlist text). A
// codec yt-dlp does not know may still be there, so only a codec known to be missing rules a
// format out.
const QString FormatSelector =
    QStringLiteral("b[protocol~='^https?$'][vcodec!=?none][acodec!=?none]");

// yt-dlp and anything it starts form a process group of their own, so that ending it ends
// them all.
void EndProcessGroup(QProcess& process) {
    const qint64 pid = process.processId();
    if (pid <= 0 || process.state() == QProcess::NotRunning)
        return;
    ::kill(-pid_t(pid), SIGKILL);
    // The child may not have made its group yet.
    ::kill(pid_t(pid), SIGKILL);
}

} // namespace

YtDlpResolver::YtDlpResolver(QObject* parent) : QObject(parent) {
    limit_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this, &YtDlpResolver::TimedOut);
}

YtDlpResolver::~YtDlpResolver() {
    QProcess* process = process_;
    Cancel();
    // Killed already; reaping it here keeps QProcess from warning about a running child. The
    // program itself never gets here (Exit ends it at once), only tests and tear-downs do.
    if (process && process->state() != QProcess::NotRunning)
        process->waitForFinished(2000);
}

void YtDlpResolver::SetTimeLimit(int seconds) {
    seconds_ = seconds > 0 ? seconds : DefaultResolveSeconds;
}

QStringList YtDlpResolver::Arguments(const QString& address, int seconds) {
    return {QStringLiteral("--ignore-config"),
            QStringLiteral("--no-playlist"),
            QStringLiteral("--no-warnings"),
            QStringLiteral("--socket-timeout"),
            QString::number(seconds),
            QStringLiteral("-f"),
            FormatSelector,
            QStringLiteral("--get-url"),
            QStringLiteral("--"),
            address};
}

qint64 YtDlpResolver::ProcessId() const {
    return process_ ? process_->processId() : 0;
}

void YtDlpResolver::Resolve(const QString& program, const QString& address) {
    Cancel();
    output_.clear();
    errors_.clear();
    auto* process = new QProcess(this);
    process_ = process;
    process->setProgram(program);
    process->setArguments(Arguments(address, seconds_));
    // Its error lines are shown to the user as they stand, so they must be English.
    process->setProcessEnvironment(ToolEnvironment());
    process->setStandardInputFile(QProcess::nullDevice());
    const pid_t parent = getpid();
    // Exit ends the program at once, with no destructor run: the kernel must end yt-dlp then.
    process->setChildProcessModifier([parent] {
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
    });
    connect(process, &QProcess::readyReadStandardOutput, this,
            [this, process] { Take(output_, process->readAllStandardOutput()); });
    connect(process, &QProcess::readyReadStandardError, this,
            [this, process] { Take(errors_, process->readAllStandardError()); });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        // Qt may report this from inside start(): the caller hears of it from the event loop,
        // and not at all after a Cancel.
        if (error == QProcess::FailedToStart && process == process_)
            QTimer::singleShot(0, process, [this, process] {
                if (process == process_)
                    StartFailed(process->errorString());
            });
    });
    connect(process, &QProcess::finished, this,
            [this, process](int exitCode, QProcess::ExitStatus status) {
                if (process == process_)
                    Finished(exitCode, status == QProcess::CrashExit);
            });
    limit_.start(seconds_ * 1000);
    process->start();
}

void YtDlpResolver::Cancel() {
    limit_.stop();
    QProcess* process = process_;
    if (!process)
        return;
    process_ = nullptr;
    process->disconnect(this);
    EndProcessGroup(*process);
    if (process->state() == QProcess::NotRunning)
        process->deleteLater();
    else
        connect(process, &QProcess::finished, process, &QObject::deleteLater);
}

void YtDlpResolver::Take(QByteArray& into, const QByteArray& more) {
    into += more.left(std::max<qsizetype>(0, StreamLimit - into.size()));
}

void YtDlpResolver::Finished(int exitCode, bool crashed) {
    QProcess* process = process_;
    Take(output_, process->readAllStandardOutput());
    Take(errors_, process->readAllStandardError());
    limit_.stop();
    process_ = nullptr;
    process->deleteLater();
    // Killed by someone else, or crashed: whatever it printed is not an answer.
    if (crashed) {
        const QString error = LastYtDlpError(errors_);
        Q_EMIT Failed(error.isEmpty() ? QStringLiteral("yt-dlp ended unexpectedly.")
                                      : QStringLiteral("yt-dlp: ") + error);
        return;
    }
    const YtDlpAnswer answer = ReadYtDlpAnswer(exitCode, output_, errors_);
    if (answer.address.isEmpty())
        Q_EMIT Failed(answer.failure);
    else
        Q_EMIT Resolved(answer.address);
}

void YtDlpResolver::StartFailed(const QString& error) {
    QProcess* process = process_;
    limit_.stop();
    process_ = nullptr;
    process->deleteLater();
    Q_EMIT Failed(QStringLiteral("yt-dlp could not be started (%1).").arg(error));
}

void YtDlpResolver::TimedOut() {
    if (!process_)
        return;
    Cancel();
    Q_EMIT Failed(QStringLiteral("yt-dlp did not answer within %1 seconds.").arg(seconds_));
}
