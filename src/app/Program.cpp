#include "Program.h"

#include "AddTaskDialogHost.h"
#include "AppPaths.h"
#include "ConfigLocation.h"
#include "DesktopIntegration.h"
#include "frmMain.h"
#include "frmS.h"
#include "frmSettings.h"
#include "frmSuggest.h"
#include "MessageBoxPrompter.h"
#include "ProcessControl.h"
#include "ProcessTable.h"
#include "SettingsFile.h"
#include "TaskEngine.h"
#include "Tools.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>

Program::Program(const QStringList& arguments)
    : browserStart_(arguments.join(u' ') == QLatin1String("browser")),
      site_(ReadSiteSettings(SiteSettingsPath(AppDir()))),
      prompter_(std::make_unique<MessageBoxPrompter>()),
      engine_(std::make_unique<TaskEngine>(prompter_.get())),
      window_(
          std::make_unique<frmMain>(&engine_->Tasks(), prompter_.get(),
                                    MainWindowTexts{&menuMsg, &txtWBmusic, &txtMessage, &txtURL})),
      desktop_(std::make_unique<DesktopIntegration>(menuMsg, txtMessage, *prompter_,
                                                    QApplication::clipboard())) {
    engine_->SetSiteRoot(site_.SiteRoot);
    engine_->SetResolverRule(site_.Resolver);
    engine_->SetResolveSeconds(site_.ResolveSeconds);
    engine_->SetUrlBox(&txtURL);
    WireMainWindow();
    WireDesktop();
    WireTaskCreation();
    ConnectEngine();
    SetStartupSteps();
    SetShutdownSteps();
}

Program::~Program() {
    // The free-standing dialogs have no owner; they go before the objects they talk to.
    delete settings_.data();
    delete feedback_.data();
}

bool Program::Start() {
    return startup_.Run();
}

void Program::ReadStartSettings() {
    const QString path = SettingsPath(ConfigDir());
    bool showDragZone = true;
    if (QFile::exists(path)) {
        const SettingsValues values = ReadSettings(path);
        engine_->SetOpenFolderAfterDownload(values.AfterDownload == 0);
        showDragZone = values.DragZone == 0;
    }
    if (showDragZone)
        desktop_->ShowDragZone();
}

void Program::ReportRefusedSiteSettings() {
    if (site_.Refused.isEmpty())
        return;
    desktop_->Tray().ShowNotice(
        QStringLiteral("Settings ignored"),
        QStringLiteral("%1 in %2 must be an http or https address of a host; the built-in "
                       "value is used instead.")
            .arg(site_.Refused.join(QStringLiteral(", ")), SiteSettingsPath(AppDir())));
}

void Program::SetStartupSteps() {
    // The shaped look, the link colours, the progress strip, the runners and the bar's range
    // come with the objects themselves; the genre tree is built with the window, whose start
    // page follows its first paint so the browser engine never holds the start back.
    startup_.SetGate(StartupStep::SingleInstance, [this] { return instanceLock_.TryAcquire(); });
    startup_.Set(StartupStep::DataFolder, [] { QDir().mkpath(Tools::DataDir()); });
    startup_.Set(StartupStep::EngineState, [this] { engine_->SetOpenFolderAfterDownload(true); });
    startup_.Set(StartupStep::Settings, [this] { ReadStartSettings(); });
    // A download folder that cannot be made private is caught again when a task is queued.
    startup_.Set(StartupStep::TempFolder, [] { EnsureTempDir(); });
    startup_.Set(StartupStep::StaleTools, [] {
        KillProcessesByName(Tools::DownloaderName, Tools::DownloaderPath());
        KillProcessesByName(Tools::EncoderName, Tools::EncoderPath());
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
    startup_.Set(StartupStep::FirstTaskTimer, [this] {
        ReportRefusedSiteSettings();
        engine_->EnableTimer1();
    });
    desktop_->FillSteps(startup_, shutdown_);
}

void Program::SetShutdownSteps() {
    shutdown_.Set(ShutdownStep::StopTools, [this] {
        // yt-dlp is ours alone: ended by its process, never by a name others may run too.
        engine_->ytdlp().Cancel();
        KillProcessesByName(Tools::DownloaderName, Tools::DownloaderPath());
        KillProcessesByName(Tools::EncoderName, Tools::EncoderPath());
    });
    shutdown_.Set(ShutdownStep::StartSweeper, [] { StartDetached(Tools::SweeperPath()); });
    shutdown_.Set(ShutdownStep::EndProcess, [] { EndProcessNow(); });
}
