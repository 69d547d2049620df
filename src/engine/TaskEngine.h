#pragma once
// The engine behind the windows: the task list, the hidden lookup wb and the yt-dlp resolver,
// the runners of the two outside tools, and the task runner that takes the first row from
// "Awaiting..." through the address resolution, the download and the conversion to its delivery.
// Windows reach it through these calls and learn of every change through signals; it shows nothing
// itself except the runner's messages through the prompter.

#include "AddressLookup.h"
#include "DOSOutputs.h"
#include "ResolverChoice.h"
#include "TaskList.h"
#include "YtDlpResolver.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class HiddenText;
class Prompter;

class TaskEngine : public QObject {
    Q_OBJECT
public:
    // Width of the progress strip's image at 100 %, and when idle.
    static constexpr int FullWidthTwips = 4215;
    static constexpr int IdleWidthTwips = 1;

    explicit TaskEngine(Prompter* prompter, QObject* parent = nullptr);

    TaskList& Tasks() { return tasks_; }
    DOSOutputs& objDOS() { return objDOS_; }
    DOSOutputs& ffmpegDOS() { return ffmpegDOS_; }
    AddressLookup& wb() { return wb_; }
    YtDlpResolver& ytdlp() { return ytdlp_; }

    // Where the tools (data/wg) and the sound (sound/sound.wav) are found; AppDir() unless set.
    void SetAppDir(const QString& appDir) { appDir_ = appDir; }
    void SetSiteRoot(const QString& siteRoot) { siteRoot_ = siteRoot; }
    // Which resolver takes an address (site.ini's Resolver=), and how long either may take.
    void SetResolverRule(ResolverRule rule) { resolverRule_ = rule; }
    void SetResolveSeconds(int seconds);
    void SetOpenFolderAfterDownload(bool open) { OpenFolderAfterDownload_ = open; }
    bool OpenFolderAfterDownload() const { return OpenFolderAfterDownload_; }

    // The hidden address box: a change of its text starts the next task, and the engine writes
    // the address of the task it starts into it without raising that change.
    void SetUrlBox(HiddenText* txtURL);

    // Timer1: one deferred StartNextTask (the add-task dialog enables it after every new row).
    void EnableTimer1() { Timer1_.start(); }

    // Begins the first task when it is waiting and no task is running or finishing.
    void StartNextTask();

    // The Remove command on the task the user chose. The question before it leaves time for
    // tasks to end, so the task is named by its identity: one that has left the list meanwhile
    // is passed over. The first row while it downloads only has its downloader ended: the
    // download stage then delivers what has arrived. While its address is being resolved, the
    // lookup or yt-dlp is ended and the row goes. Any other row is still waiting, so it simply
    // goes.
    void RemoveSelectedTask(TaskList::TaskId task);

    // The completion sound has ended (or could not be played): the next task may start.
    void SoundFinished();

    int CurrentTaskIndex() const { return CurrentTaskIndex_; }
    const QString& CurrentVideoId() const { return CurrentVideoId_; }
    bool ResolvePending() const { return ResolvePending_; }
    int DurationSeconds() const { return DurationSeconds_; }
    int ElapsedSeconds() const { return ElapsedSeconds_; }
    double ProgressValue() const { return psbValue_; }
    bool IsActive() const { return stage_ != Stage::Idle; }

Q_SIGNALS:
    void ProgressValueChanged(double value);         // psb
    void ProgressWidthChanged(int twips);            // imgPro
    void ProgressStripVisibleChanged(bool visible);  // picPro
    void ProgressLabelChanged(const QString& text);  // lblPro's text
    void ProgressLabelVisibleChanged(bool visible);  // lblPro
    void BusyChanged(bool busy);                     // drag zone Image2 / Image1
    void SettingsButtonVisibleChanged(bool visible); // imgButton(3)
    void OpenFolderRequested(const QString& folder); // the finished task's folder
    void PlaySoundRequested(const QString& path);    // answer with SoundFinished()
    void TaskFailed(const QString& target, const QString& reason);
    // A task left the list: "Done." or "Failed.", just before its row goes.
    void TaskEnded(const QString& target, const QString& status);

private:
    enum class Stage { Idle, Resolving, Downloading, Converting, Finishing };

    // The resolution and the downloader start (TaskEngine.cpp).
    void OnDocumentComplete(const QString& address);
    void OnMediaResolved(const QString& address);
    void StartDownload(const QString& address);
    void OnLookupFailed(const QString& reason);
    void OnTimer2();

    // The stages (TaskStages.cpp).
    void OnDownloadOutput(const QString& chunk);
    void OnDownloadOver();
    void OnConversionOutput(const QString& chunk);
    void OnConversionOver();
    void OnToolFailed(DOSOutputs* runner);
    // Delivers `source` (when there is one), ends the row as "Done." or "Failed.", deletes the
    // temporary files, removes the row and finishes.
    void EndTask(const QString& source, const QString& failure = {});
    void ShowProgress(double value);
    void WriteProgress();

    // The closing sequence (TaskEngine.cpp): displays idle, folder, sound, then the next task.
    void FinishTask(const QString& folderToOpen);
    void AfterSound();
    void ShowIdle();

    int ActiveRow() const { return CurrentTaskIndex_ - 1; }
    QString TempBase() const;

    Prompter* prompter_;
    TaskList tasks_;
    AddressLookup wb_;
    YtDlpResolver ytdlp_;
    DOSOutputs objDOS_;
    DOSOutputs ffmpegDOS_;
    QTimer Timer1_;
    QTimer Timer2_;
    QPointer<HiddenText> txtURL_;
    QString appDir_;
    QString siteRoot_;
    ResolverRule resolverRule_ = ResolverRule::Automatic;
    ResolverKind resolver_ = ResolverKind::Site;

    Stage stage_ = Stage::Idle;
    int CurrentTaskIndex_ = 0;
    QString CurrentVideoId_;
    bool ResolvePending_ = false;
    bool OpenFolderAfterDownload_ = true;
    int DurationSeconds_ = 0;
    int ElapsedSeconds_ = 0;
    double psbValue_ = 0;
};
