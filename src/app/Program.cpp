#include "Program.h"

#include "AddTaskDialogHost.h"
#include "AppPaths.h"
#include "frmAdd.h" // before the host, whose header needs the complete class
#include "frmMain.h"
#include "frmSettings.h"
#include "MessageBoxPrompter.h"
#include "ProcessControl.h"
#include "ProcessTable.h"
#include "SettingsFile.h"
#include "TaskEngine.h"
#include "Tools.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QUrl>

Program::Program(const QStringList& arguments)
    : browserStart_(arguments.join(u' ') == QLatin1String("browser")),
      site_(ReadSiteSettings(SiteSettingsPath(AppDir()))),
      prompter_(std::make_unique<MessageBoxPrompter>()),
      engine_(std::make_unique<TaskEngine>(prompter_.get())),
      window_(std::make_unique<frmMain>(&engine_->Tasks())) {
    engine_->SetSiteRoot(site_.SiteRoot);
    engine_->SetUrlBox(&txtURL);

    AddTaskContext context;
    context.tasks = &engine_->Tasks();
    context.appDir = AppDir();
    context.tempDir = TempDir();
    context.prompter = prompter_.get();
    context.emptyClipboard = [] {
        QGuiApplication::clipboard()->clear();
    };
    addHost_ = std::make_unique<AddTaskDialogHost>(context);
    connect(addHost_.get(), &AddTaskDialogHost::TaskQueued, this, [this](const QString& url) {
        txtURL.SetText(url);
        engine_->EnableTimer1();
    });
    connect(addHost_.get(), &AddTaskDialogHost::Opened, window_.get(),
            [this] { window_->setEnabled(false); });
    connect(addHost_.get(), &AddTaskDialogHost::Closed, window_.get(),
            [this] { window_->setEnabled(true); });

    connect(window_.get(), &frmMain::AddRequested, addHost_.get(),
            qOverload<>(&AddTaskDialogHost::ShowDialog));
    connect(window_.get(), &frmMain::RemoveRequested, this, &Program::Remove);
    connect(window_.get(), &frmMain::ExitRequested, this, &Program::Exit);
    connect(window_.get(), &frmMain::SettingRequested, this, [this] {
        auto* dialog = new frmSettings(AppDir());
        connect(dialog, &frmSettings::OpenFolderAfterDownloadChanged, engine_.get(),
                &TaskEngine::SetOpenFolderAfterDownload);
        dialog->show();
    });
    ConnectEngine();
    SetStartupSteps();
    SetShutdownSteps();
}

Program::~Program() = default;

bool Program::Start() {
    return startup_.Run();
}

void Program::Exit() {
    if (ConfirmExit(engine_->Tasks(), *prompter_))
        shutdown_.Run();
}

void Program::Remove() {
    if (engine_->Tasks().Count() == 0 ||
        !prompter_->AskOkCancel(QStringLiteral("Warning"),
                                QStringLiteral("Are you sure to remove this video?")))
        return;
    engine_->RemoveSelectedTask(window_->SelectedRow());
}

void Program::ConnectEngine() {
    TaskEngine* engine = engine_.get();
    frmMain* window = window_.get();
    connect(engine, &TaskEngine::ProgressValueChanged, window, &frmMain::SetProgressValue);
    connect(engine, &TaskEngine::ProgressWidthChanged, window, &frmMain::SetProgressWidthTwips);
    connect(engine, &TaskEngine::ProgressStripVisibleChanged, window,
            &frmMain::SetProgressStripVisible);
    connect(engine, &TaskEngine::ProgressLabelChanged, window, &frmMain::SetProgressLabel);
    connect(engine, &TaskEngine::ProgressLabelVisibleChanged, window,
            &frmMain::SetProgressLabelVisible);
    connect(engine, &TaskEngine::SettingsButtonVisibleChanged, window,
            &frmMain::SetSettingsButtonVisible);
    connect(engine, &TaskEngine::BusyChanged, window, &frmMain::SetBusy);
    connect(engine, &TaskEngine::TaskFailed, window,
            [window](const QString& target, const QString& reason) {
                window->ShowNotice(QStringLiteral("Not saved: %1. %2").arg(target, reason));
            });
    connect(engine, &TaskEngine::OpenFolderRequested, this,
            [](const QString& folder) { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); });
    connect(engine, &TaskEngine::PlaySoundRequested, &sound_, &CompletionSound::Play);
    connect(&sound_, &CompletionSound::Finished, engine, &TaskEngine::SoundFinished);
}

void Program::ReadStartSettings() {
    const QString path = SettingsPath(AppDir());
    bool showDragZone = true;
    if (QFile::exists(path)) {
        const SettingsValues values = ReadSettings(path);
        engine_->SetOpenFolderAfterDownload(values.AfterDownload == 0);
        showDragZone = values.DragZone == 0;
    }
    if (showDragZone)
        Q_EMIT DragZoneRequested();
}

void Program::SetStartupSteps() {
    // ShapedLook, LinkColours, TrayIcon, MusicBrowser and ClipboardWatch belong to the skinned
    // window and the desktop pieces, which set them when they are wired in.
    startup_.SetGate(StartupStep::SingleInstance, [this] { return instanceLock_.TryAcquire(); });
    startup_.Set(StartupStep::DataFolder, [] { QDir().mkpath(Tools::DataDir()); });
    startup_.Set(StartupStep::EngineState, [this] { engine_->SetOpenFolderAfterDownload(true); });
    startup_.Set(StartupStep::Settings, [this] { ReadStartSettings(); });
    startup_.Set(StartupStep::TempFolder, [] { EnsureTempDir(); });
    startup_.Set(StartupStep::StaleTools, [] {
        KillProcessesByName(Tools::DownloaderName);
        KillProcessesByName(Tools::EncoderName);
    });
    // A start by the browser asks the window to close, which only hides it.
    startup_.Set(StartupStep::StartArgument, [this] {
        if (browserStart_)
            window_->close();
    });
    startup_.Set(StartupStep::ShowWindow, [this] {
        if (!browserStart_)
            window_->show();
    });
    startup_.Set(StartupStep::FirstTaskTimer, [this] { engine_->EnableTimer1(); });
}

void Program::SetShutdownSteps() {
    shutdown_.Set(ShutdownStep::StopTools, [] {
        KillProcessesByName(Tools::DownloaderName);
        KillProcessesByName(Tools::EncoderName);
    });
    shutdown_.Set(ShutdownStep::StartSweeper, [] { StartDetached(Tools::SweeperPath()); });
    shutdown_.Set(ShutdownStep::EndProcess, [] { EndProcessNow(); });
}
