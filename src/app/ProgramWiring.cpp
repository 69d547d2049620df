// How the parts meet: the main window's commands, the desktop pieces, the add-task dialog, the
// two free-standing dialogs and the displays the engine drives.

#include "AddTaskDialogHost.h"
#include "AppPaths.h"
#include "ConfigLocation.h"
#include "DesktopIntegration.h"
#include "frmDrag.h"
#include "frmMain.h"
#include "frmPop.h"
#include "frmS.h"
#include "frmSettings.h"
#include "frmSuggest.h"
#include "MessageBoxPrompter.h"
#include "Program.h"
#include "TaskEngine.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace {

// A new free-standing window opens over the middle of the main window, or of the screen while
// the main window is hidden, rather than wherever the desktop puts a window without a place.
void PlaceOver(QWidget* window, const QWidget* anchor) {
    window->ensurePolished();
    QRect area = anchor->isVisible() ? anchor->frameGeometry() : QRect();
    if (area.isEmpty())
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    window->move(area.center() - window->rect().center());
}

void BringForward(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void Program::WireMainWindow() {
    frmMain* window = window_.get();
    window->SetSiteRoot(site_.SiteRoot);
    window->SetMakerSite(site_.MakerSite, QStringLiteral("Vidlark Home"));
    window->SetHelpPage(AppDir() + QStringLiteral("/help/index.html"));
    for (int label : {0, 2, 3})
        window->SetPopupMenu(label, desktop_->Pop().MenuOfLabel(label));

    // The window asks its own questions; what comes out here is already confirmed.
    connect(window, &frmMain::RemoveConfirmed, engine_.get(), &TaskEngine::RemoveSelectedTask);
    connect(window, &frmMain::ExitConfirmed, this, [this] { shutdown_.Run(); });
    connect(window, &frmMain::SettingRequested, this, &Program::ShowSettings);
    connect(window, &frmMain::FeedbackRequested, this, &Program::ShowFeedback);
}

void Program::WireDesktop() {
    desktop_->SetMainWindow(window_.get());
    desktop_->SetTrayIcon(window_->windowIcon());
}

void Program::WireTaskCreation() {
    AddTaskContext context;
    context.tasks = &engine_->Tasks();
    context.appDir = AppDir();
    context.configDir = ConfigDir();
    context.tempDir = TempDir();
    // No prompter: the dialog's boxes stand over the dialog, not over the disabled window.
    addHost_ = std::make_unique<AddTaskDialogHost>(context);
    AddTaskDialogHost* host = addHost_.get();
    frmMain* window = window_.get();

    connect(host, &AddTaskDialogHost::Opened, window, [window] { window->setEnabled(false); });
    connect(host, &AddTaskDialogHost::Closed, window, [window] { window->setEnabled(true); });
    connect(host, &AddTaskDialogHost::TaskQueued, this, &Program::OnTaskQueued);

    const auto showWithAddress = qOverload<const QString&>(&AddTaskDialogHost::ShowDialog);
    connect(window, &frmMain::AddRequested, host, qOverload<>(&AddTaskDialogHost::ShowDialog));
    connect(window, &frmMain::DownloadRequested, host, showWithAddress);
    connect(desktop_.get(), &DesktopIntegration::AddressOffered, host, showWithAddress);
}

void Program::OnTaskQueued(const QString& url) {
    // The downloader would write wherever the folder's place leads, so a folder that is not
    // ours (a link, another user's folder) or cannot be made takes no task at all.
    if (!EnsureTempDir()) {
        TaskList& tasks = engine_->Tasks();
        tasks.RemoveAt(tasks.Count() - 1);
        const QString message =
            QStringLiteral("The video was not added: the download folder %1 cannot be used. "
                           "It could not be made, or it is a link or another user's folder.")
                .arg(TempDir());
        // After the dialog has closed, so the box does not stand over a dialog about to go.
        QTimer::singleShot(0, this, [this, message] {
            prompter_->Inform(Prompter::Icon::Critical, QStringLiteral("Vidlark"), message);
        });
        return;
    }
    txtURL.SetText(url);
    engine_->EnableTimer1();
    window_->ShowTaskList();
}

void Program::ShowSettings() {
    if (!settings_) {
        settings_ = new frmSettings(ConfigDir());
        connect(settings_, &frmSettings::OpenFolderAfterDownloadChanged, engine_.get(),
                &TaskEngine::SetOpenFolderAfterDownload);
        connect(settings_, &frmSettings::DragZoneVisibilityChosen, &desktop_->Drag(),
                &frmDrag::SetShown);
        connect(settings_, &frmSettings::ChoicesNotKept, &desktop_->Tray(),
                [tray = &desktop_->Tray()](const QString& path) {
                    tray->ShowNotice(
                        QStringLiteral("Settings not saved"),
                        QStringLiteral("Your choices apply until Vidlark ends, but they will not "
                                       "be kept: %1 cannot be written.")
                            .arg(path));
                });
        PlaceOver(settings_, window_.get());
    }
    BringForward(settings_);
}

void Program::ShowFeedback() {
    if (!feedback_) {
        feedback_ = new frmSuggest(site_.FeedbackHost);
        // A titled window: its title bar and the task bar show the program's icon.
        feedback_->setWindowIcon(window_->windowIcon());
        PlaceOver(feedback_, window_.get());
    }
    BringForward(feedback_);
}

void Program::ConnectEngine() {
    TaskEngine* engine = engine_.get();
    frmMain* window = window_.get();
    connect(engine, &TaskEngine::ProgressValueChanged, window, &frmMain::SetProgressValue);
    connect(engine, &TaskEngine::ProgressWidthChanged, window, &frmMain::SetProgressWidthTwips);
    connect(engine, &TaskEngine::ProgressStripVisibleChanged, window,
            &frmMain::SetProgressStripVisible);
    connect(engine, &TaskEngine::SettingsButtonVisibleChanged, window,
            &frmMain::SetSettingsButtonVisible);
    connect(engine, &TaskEngine::BusyChanged, window, &frmMain::SetBusy);

    frmDrag* drag = &desktop_->Drag();
    connect(engine, &TaskEngine::BusyChanged, drag, &frmDrag::SetBusyLook);
    connect(engine, &TaskEngine::ProgressLabelVisibleChanged, drag, &frmDrag::SetProgressVisible);
    connect(engine, &TaskEngine::ProgressLabelChanged, drag, &frmDrag::SetProgressText);
    connect(engine, &TaskEngine::TaskFailed, &desktop_->Tray(), &frmS::ShowFailureNotice);

    connect(engine, &TaskEngine::OpenFolderRequested, this,
            [](const QString& folder) { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); });
    connect(engine, &TaskEngine::PlaySoundRequested, &sound_, &CompletionSound::Play);
    connect(&sound_, &CompletionSound::Finished, engine, &TaskEngine::SoundFinished);
}
