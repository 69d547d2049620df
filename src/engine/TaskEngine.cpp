#include "TaskEngine.h"

#include "AppPaths.h"
#include "HiddenText.h"
#include "TextRules.h"
#include "ToolCommands.h"
#include "ToolFailures.h"
#include "Tools.h"

#include <QMetaMethod>

TaskEngine::TaskEngine(Prompter* prompter, QObject* parent)
    : QObject(parent), prompter_(prompter), objDOS_(prompter), ffmpegDOS_(prompter),
      appDir_(AppDir()) {
    Timer1_.setInterval(10);
    connect(&Timer1_, &QTimer::timeout, this, &TaskEngine::StartNextTask);
    Timer2_.setInterval(1000);
    connect(&Timer2_, &QTimer::timeout, this, &TaskEngine::OnTimer2);

    connect(&wb_, &AddressLookup::DocumentComplete, this, &TaskEngine::OnDocumentComplete);
    connect(&wb_, &AddressLookup::Failed, this, &TaskEngine::OnLookupFailed);
    connect(&ytdlp_, &YtDlpResolver::Resolved, this, &TaskEngine::OnMediaResolved);
    connect(&ytdlp_, &YtDlpResolver::Failed, this, &TaskEngine::OnLookupFailed);
    connect(&objDOS_, &DOSOutputs::ReceiveOutputs, this, &TaskEngine::OnDownloadOutput);
    connect(&objDOS_, &DOSOutputs::CommandOver, this, &TaskEngine::OnDownloadOver);
    connect(&ffmpegDOS_, &DOSOutputs::ReceiveOutputs, this, &TaskEngine::OnConversionOutput);
    connect(&ffmpegDOS_, &DOSOutputs::CommandOver, this, &TaskEngine::OnConversionOver);
    // Queued: a tool that cannot start may be reported from inside the call that starts it.
    connect(
        &objDOS_, &DOSOutputs::StartFailed, this, [this] { OnToolFailed(&objDOS_); },
        Qt::QueuedConnection);
    connect(
        &ffmpegDOS_, &DOSOutputs::StartFailed, this, [this] { OnToolFailed(&ffmpegDOS_); },
        Qt::QueuedConnection);
}

void TaskEngine::SetUrlBox(HiddenText* txtURL) {
    if (txtURL_)
        txtURL_->disconnect(this);
    txtURL_ = txtURL;
    if (txtURL)
        connect(txtURL, &HiddenText::Changed, this, &TaskEngine::StartNextTask);
}

void TaskEngine::StartNextTask() {
    Timer1_.stop();
    // Only one task at a time: the next waits until the last one's sound has ended.
    if (stage_ != Stage::Idle || tasks_.Count() == 0 ||
        tasks_.Text(0, TaskList::Status) != TaskStatus::Awaiting)
        return;
    CurrentTaskIndex_ = 1;
    const QString url = tasks_.Text(ActiveRow(), TaskList::URL);
    if (txtURL_)
        txtURL_->SetTextSilently(url);
    CurrentVideoId_ = ValueAfterMarker(url, QStringLiteral("watch?v="));
    tasks_.SetText(ActiveRow(), TaskList::Status, TaskStatus::Analysing);
    stage_ = Stage::Resolving;
    Timer2_.start();
    Q_EMIT BusyChanged(true);
    Q_EMIT SettingsButtonVisibleChanged(false);
    Q_EMIT ProgressStripVisibleChanged(true);
    ResolvePending_ = true;
    resolver_ = ChooseResolver(url, siteRoot_, resolverRule_);
    if (resolver_ == ResolverKind::Site) {
        wb_.Navigate(siteRoot_ + QStringLiteral("/v/") + EncodeAddressPart(CurrentVideoId_));
        return;
    }
    // Looked for at every task, so a yt-dlp installed while the program runs is found.
    const QString program = FindYtDlp(appDir_);
    if (!program.isEmpty()) {
        ytdlp_.Resolve(program, url);
        return;
    }
    // Reported from the event loop, as any other failure of the resolution, and only to this
    // task: a Remove in between may already have started the next one.
    const QString reason = YtDlpMissingReason(siteRoot_, resolverRule_);
    QTimer::singleShot(0, this, [this, reason, task = tasks_.IdAt(ActiveRow())] {
        if (stage_ == Stage::Resolving && tasks_.IdAt(ActiveRow()) == task)
            OnLookupFailed(reason);
    });
}

void TaskEngine::SetResolveSeconds(int seconds) {
    wb_.SetTimeout(seconds * 1000);
    ytdlp_.SetTimeLimit(seconds);
}

void TaskEngine::OnDocumentComplete(const QString& address) {
    // Only the lookup of the task being started leads to a download, and only once.
    if (!ResolvePending_ || stage_ != Stage::Resolving || resolver_ != ResolverKind::Site)
        return;
    const QString token = ValueAfterMarker(address, QStringLiteral("&t="));
    StartDownload(siteRoot_ + QStringLiteral("/get_video?video_id=") +
                  EncodeAddressPart(CurrentVideoId_) + QStringLiteral("&t=") +
                  EncodeAddressPart(token));
}

void TaskEngine::OnMediaResolved(const QString& address) {
    if (!ResolvePending_ || stage_ != Stage::Resolving || resolver_ != ResolverKind::YtDlp)
        return;
    StartDownload(address);
}

void TaskEngine::StartDownload(const QString& address) {
    Q_EMIT ProgressStripVisibleChanged(true);
    psbValue_ = 0;
    Q_EMIT ProgressValueChanged(psbValue_);
    Q_EMIT ProgressLabelVisibleChanged(true);
    tasks_.SetText(ActiveRow(), TaskList::Status, TaskStatus::Downloading);
    const QString command = DownloaderCommand(appDir_, tasks_.TempName(ActiveRow()), address);
    stage_ = Stage::Downloading;
    // The folder may have been swapped for a link since the task was queued.
    if (!EnsureTempDir()) {
        EndTask({}, TempDirFailure());
        return;
    }
    objDOS_.SetCommandLine(command);
    objDOS_.ExecuteCommand(command, Tools::DownloaderName);
}

void TaskEngine::OnLookupFailed(const QString& reason) {
    if (stage_ == Stage::Resolving)
        EndTask({}, reason);
}

void TaskEngine::OnTimer2() {
    ++ElapsedSeconds_;
    tasks_.SetText(ActiveRow(), TaskList::TimeUsed, ClockText(ElapsedSeconds_));
}

void TaskEngine::RemoveSelectedTask(TaskList::TaskId task) {
    const int row = tasks_.RowOf(task);
    if (row < 0)
        return;
    if (row == 0 && stage_ == Stage::Resolving) {
        wb_.Cancel();
        ytdlp_.Cancel();
        tasks_.RemoveAt(0);
        ShowIdle();
        AfterSound();
        return;
    }
    // A first row that is still waiting (the last task's sound is playing) is not running yet.
    if (row == 0 && tasks_.Text(0, TaskList::Status) != TaskStatus::Awaiting) {
        // The downloader's end finishes the task with what has arrived; a conversion goes on.
        objDOS_.EndTool();
        return;
    }
    tasks_.RemoveAt(row);
    StartNextTask();
}

QString TaskEngine::TempBase() const {
    return tasks_.TempName(ActiveRow()).chopped(4);
}

void TaskEngine::ShowIdle() {
    ResolvePending_ = false;
    Timer2_.stop();
    Q_EMIT ProgressLabelVisibleChanged(false);
    Q_EMIT ProgressLabelChanged(QStringLiteral("0%"));
    Q_EMIT BusyChanged(false);
    psbValue_ = 0;
    Q_EMIT ProgressValueChanged(psbValue_);
    ElapsedSeconds_ = 0;
}

void TaskEngine::FinishTask(const QString& folderToOpen) {
    ShowIdle();
    if (OpenFolderAfterDownload_ && !folderToOpen.isEmpty())
        Q_EMIT OpenFolderRequested(folderToOpen);
    stage_ = Stage::Finishing;
    // The next task starts only once the sound has ended; with no player there is nothing to
    // wait for.
    if (isSignalConnected(QMetaMethod::fromSignal(&TaskEngine::PlaySoundRequested)))
        Q_EMIT PlaySoundRequested(appDir_ + QStringLiteral("/sound/sound.wav"));
    else
        AfterSound();
}

void TaskEngine::SoundFinished() {
    if (stage_ == Stage::Finishing)
        AfterSound();
}

void TaskEngine::AfterSound() {
    stage_ = Stage::Idle;
    CurrentTaskIndex_ = 0;
    Q_EMIT SettingsButtonVisibleChanged(true);
    Q_EMIT ProgressStripVisibleChanged(false);
    Q_EMIT ProgressWidthChanged(IdleWidthTwips);
    StartNextTask();
}
