// The download and conversion stages of the task runner: tool output turned into progress, and
// the end of each tool turned into the next step or the delivery.

#include "AppPaths.h"
#include "Delivery.h"
#include "TaskEngine.h"
#include "TextRules.h"
#include "ToolFailures.h"
#include "Tools.h"

#include <QFileInfo>

void TaskEngine::OnDownloadOutput(const QString& chunk) {
    if (stage_ != Stage::Downloading)
        return;
    if (ContainsRetry(chunk))
        tasks_.SetText(ActiveRow(), TaskList::Status, TaskStatus::Resuming);
    for (const std::optional<double>& value : DownloadPercentages(chunk)) {
        if (value)
            ShowProgress(*value);
        else
            WriteProgress();
    }
}

void TaskEngine::OnDownloadOver() {
    if (stage_ != Stage::Downloading)
        return;
    ResolvePending_ = false;
    // A downloader that gave up leaves a part of the file: that is a failure, not a result.
    // A download the user stopped with Remove is delivered as far as it came.
    if (objDOS_.LastExit().Failed()) {
        EndTask({}, DownloaderFailure(objDOS_.LastExit()));
        return;
    }
    // A server may also answer a resume as if the file were complete: what arrived must be
    // the whole file the downloader was promised.
    const qint64 announced = AnnouncedLength(objDOS_.Outputs());
    const qint64 arrived = QFileInfo(tasks_.TempName(ActiveRow())).size();
    if (!objDOS_.LastExit().endedByUs && announced > 0 && arrived < announced) {
        EndTask({}, IncompleteDownload(arrived, announced));
        return;
    }
    Q_EMIT ProgressLabelChanged(QStringLiteral("<->"));
    const QString shell = tasks_.Shell(ActiveRow());
    if (shell != QLatin1String("None")) {
        if (!EnsureTempDir()) {
            EndTask({}, TempDirFailure());
            return;
        }
        stage_ = Stage::Converting;
        ffmpegDOS_.SetCommandLine(shell);
        tasks_.SetText(ActiveRow(), TaskList::Status, TaskStatus::Converting);
        ffmpegDOS_.ExecuteCommand(shell, Tools::EncoderName);
        return;
    }
    // Unconverted, the task's file is its download, whatever the target's extension says.
    EndTask(tasks_.TempName(ActiveRow()));
}

void TaskEngine::OnConversionOutput(const QString& chunk) {
    if (stage_ != Stage::Converting)
        return;
    const EncoderReading reading = ReadEncoderChunk(chunk, DurationSeconds_);
    if (!reading.timeFound)
        return;
    if (DurationSeconds_ == 0 || double(reading.elapsedSeconds) / DurationSeconds_ * 100 >= 100)
        ShowProgress(100);
    else
        ShowProgress(double(reading.elapsedSeconds) / DurationSeconds_ * 100);
}

void TaskEngine::OnConversionOver() {
    if (stage_ != Stage::Converting)
        return;
    if (ffmpegDOS_.LastExit().Failed()) {
        DurationSeconds_ = 0;
        EndTask({}, EncoderFailure(ffmpegDOS_.LastExit(), ffmpegDOS_.Outputs()));
        return;
    }
    tasks_.SetText(ActiveRow(), TaskList::Status, TaskStatus::Moving);
    const QString target = tasks_.Text(ActiveRow(), TaskList::FilePath);
    DurationSeconds_ = 0;
    EndTask(ConvertedFile(TempBase(), target));
}

void TaskEngine::OnToolFailed(DOSOutputs* runner) {
    if (runner == &objDOS_ && stage_ == Stage::Downloading)
        EndTask({}, QStringLiteral("The downloader could not be started."));
    else if (runner == &ffmpegDOS_ && stage_ == Stage::Converting)
        EndTask({}, QStringLiteral("The encoder could not be started."));
}

void TaskEngine::EndTask(const QString& source, const QString& failure) {
    const int row = ActiveRow();
    const QString target = tasks_.Text(row, TaskList::FilePath);
    QString reason = failure;
    if (reason.isEmpty()) {
        const DeliveryResult result = DeliverFile(source, target);
        if (!result.delivered)
            reason = result.reason;
    }
    const QString status = reason.isEmpty() ? TaskStatus::Done : TaskStatus::Failed;
    tasks_.SetText(row, TaskList::Status, status);
    DeleteTaskFiles(tasks_.TempName(row), TempBase(), target);
    DurationSeconds_ = 0;
    Q_EMIT TaskEnded(target, status);
    if (!reason.isEmpty())
        Q_EMIT TaskFailed(target, reason);
    tasks_.RemoveAt(row);
    FinishTask(reason.isEmpty() ? target.left(target.lastIndexOf(u'/') + 1) : QString());
}

void TaskEngine::ShowProgress(double value) {
    // A value the bar cannot hold is refused; the displays show what it holds.
    if (value >= 0 && value <= 100 && value != psbValue_) {
        psbValue_ = value;
        Q_EMIT ProgressValueChanged(psbValue_);
    }
    WriteProgress();
}

void TaskEngine::WriteProgress() {
    Q_EMIT ProgressWidthChanged(int(psbValue_ / 100 * FullWidthTwips + 0.5));
    const QString text = PercentText(psbValue_) + u'%';
    tasks_.SetText(ActiveRow(), TaskList::Progress, text);
    Q_EMIT ProgressLabelChanged(text);
}
