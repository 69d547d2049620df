#include "DOSOutputs.h"

#include "CommandLineSplit.h"
#include "ProcessTable.h"
#include "Prompter.h"
#include "ToolEnvironment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A poll reads for at most this long, so that a tool printing without pause cannot starve the
// rest of the program; what is left waits for the next poll.
constexpr int ReadBudgetMilliseconds = 20;

// A roomy pipe lets a fast tool write ahead between two polls instead of blocking on us.
constexpr int PipeBytes = 1 << 20;

// The kernel keeps this much of a command name.
constexpr int CommandNameLength = 15;

} // namespace

DOSOutputs::DOSOutputs(Prompter* prompter, QObject* parent)
    : QObject(parent), prompter_(prompter), pollTimer_(new QTimer(this)),
      decoder_(QStringDecoder::System) {
    pollTimer_->setInterval(PollMilliseconds);
    connect(pollTimer_, &QTimer::timeout, this, &DOSOutputs::Poll);
}

DOSOutputs::~DOSOutputs() {
    CloseReadEnd();
}

void DOSOutputs::ExecuteCommand(const QString& commandLine, const QString& cmdName) {
    if (running_) {
        qWarning("DOSOutputs: a run is already active; the new command is ignored");
        return;
    }
    if (!commandLine.isEmpty())
        commandLine_ = commandLine;
    if (commandLine_.isEmpty()) {
        Fail(QStringLiteral("Command Line empty"));
        return;
    }
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        Fail(QStringLiteral("CreatePipe failed. Error: ") + QString::number(errno));
        return;
    }
    readEnd_ = ends[0];
    const int writeEnd = ends[1];
    fcntl(readEnd_, F_SETFL, O_NONBLOCK);
    fcntl(readEnd_, F_SETPIPE_SZ, PipeBytes);

    running_ = true;
    watchedName_ = cmdName;
    exit_ = {};
    outputs_.clear();
    decoder_.resetState();

    const SplitCommand command = SplitCommandLine(commandLine_);
    // Only processes running this very program count as the tool, wherever they came from.
    watchedProgram_ = command.program.contains(u'/')
                          ? command.program
                          : QStandardPaths::findExecutable(command.program);
    startedIsWatched_ = QFileInfo(command.program)
                            .fileName()
                            .left(CommandNameLength)
                            .compare(cmdName.left(CommandNameLength), Qt::CaseInsensitive) == 0;
    auto* process = new QProcess(this);
    process_ = process;
    process->setProgram(command.program);
    process->setArguments(command.arguments);
    process->setProcessEnvironment(ToolEnvironment());
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    // Both output streams go into our own pipe, which we read at our own pace.
    process->setChildProcessModifier([writeEnd] {
        dup2(writeEnd, STDOUT_FILENO);
        dup2(writeEnd, STDERR_FILENO);
    });
    // Polling starts only once the program is really running: before that, "no process of this
    // name" would end the run at once.
    connect(process, &QProcess::started, this, [this, process] {
        if (process == process_ && running_)
            pollTimer_->start();
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart && process == process_ && running_) {
            process->deleteLater();
            Fail(QStringLiteral("File or command not found"));
        }
    });
    // The tool may outlive its run (when it is not the process watched); it is reaped when it
    // ends. Its end is looked at right away rather than at the next tick: the end rule by name
    // still decides.
    connect(process, &QProcess::finished, this,
            [this, process](int exitCode, QProcess::ExitStatus status) {
                if (process != process_ || !running_)
                    return;
                exit_.signalled = status == QProcess::CrashExit;
                exit_.code = exit_.signalled ? 0 : exitCode;
                QTimer::singleShot(0, this, &DOSOutputs::Poll);
            });
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start();
    close(writeEnd);
}

void DOSOutputs::Poll() {
    const QPointer<DOSOutputs> alive(this);
    const ReadResult result = ReadWaiting();
    if (!alive || !running_)
        return;
    if (result == ReadResult::Nothing) {
        // The started tool's end is known only once it is reaped; until then it counts as
        // running even when the process table no longer shows it.
        if ((startedIsWatched_ && StartedToolRunning()) ||
            IsProcessRunning(watchedName_, watchedProgram_))
            return;
        // Whatever the tool wrote just before it ended is still in the pipe.
        ReadWaiting();
        if (!alive || !running_)
            return;
    }
    if (result == ReadResult::Data) {
        // Once the started tool has ended, what waits in the pipe are its last words: they are
        // read to the end right away rather than tick by tick, so its end is seen at once.
        if (!StartedToolRunning())
            QTimer::singleShot(0, this, &DOSOutputs::Poll);
        return;
    }
    Finish();
}

bool DOSOutputs::StartedToolRunning() const {
    // QProcess tells its end only once the tool is reaped, and deletes itself after that.
    return process_ && process_->state() != QProcess::NotRunning;
}

DOSOutputs::ReadResult DOSOutputs::ReadWaiting() {
    const QPointer<DOSOutputs> alive(this);
    QElapsedTimer budget;
    budget.start();
    ReadResult result = ReadResult::Nothing;
    char buffer[ChunkSize];
    while (readEnd_ >= 0 && budget.elapsed() < ReadBudgetMilliseconds) {
        const ssize_t count = read(readEnd_, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno != EAGAIN)
            return ReadResult::Broken;
        if (count <= 0)
            break;
        result = ReadResult::Data;
        const QString chunk = decoder_.decode(QByteArrayView(buffer, count));
        if (chunk.isEmpty())
            continue;
        outputs_ += chunk;
        Q_EMIT ReceiveOutputs(chunk);
        if (!alive || !running_)
            break;
    }
    return result;
}

void DOSOutputs::EndTool() {
    if (!running_)
        return;
    exit_.endedByUs = true;
    KillProcessesByName(watchedName_, watchedProgram_);
}

void DOSOutputs::Fail(const QString& message) {
    CloseReadEnd();
    running_ = false;
    pollTimer_->stop();
    if (prompter_)
        prompter_->Inform(Prompter::Icon::Critical, QCoreApplication::applicationName(), message);
    Q_EMIT StartFailed(message);
}

void DOSOutputs::Finish() {
    CloseReadEnd();
    running_ = false;
    pollTimer_->stop();
    Q_EMIT CommandOver();
}

void DOSOutputs::CloseReadEnd() {
    if (readEnd_ >= 0)
        close(readEnd_);
    readEnd_ = -1;
}
