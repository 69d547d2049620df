#include "DesktopIntegration.h"

#include "ClipboardWatch.h"
#include "frmDrag.h"
#include "frmPop.h"
#include "frmS.h"
#include "TaskSources.h"

DesktopIntegration::DesktopIntegration(HiddenText& menuMsg, HiddenText& txtMessage,
                                       Prompter& prompter, QClipboard* clipboard, QObject* parent)
    : QObject(parent), pop_(std::make_unique<frmPop>(menuMsg, prompter)),
      tray_(std::make_unique<frmS>(pop_->menuMain())), drag_(std::make_unique<frmDrag>()),
      watch_(std::make_unique<ClipboardWatch>(clipboard, txtMessage)),
      clipboardSource_(std::make_unique<ClipboardSource>(txtMessage)) {
    drag_->SetMainMenu(pop_->menuMain());
    connect(clipboardSource_.get(), &ClipboardSource::AddressOffered, this,
            &DesktopIntegration::AddressOffered);
    connect(drag_.get(), &frmDrag::AddressOffered, this, &DesktopIntegration::AddressOffered);
}

DesktopIntegration::~DesktopIntegration() = default;

void DesktopIntegration::SetMainWindow(QWidget* mainWindow) {
    pop_->SetMainWindow(mainWindow);
    tray_->SetMainWindow(mainWindow);
    drag_->SetMainWindow(mainWindow);
}

void DesktopIntegration::SetTrayIcon(const QIcon& icon) {
    tray_->SetIcon(icon);
}

void DesktopIntegration::ShowDragZone() {
    drag_->ShowAndPlace();
}

void DesktopIntegration::FillSteps(StartupSequence& startup, ShutdownSequence& shutdown) {
    startup.Set(StartupStep::TrayIcon, [this] { ShowTrayForm(); });
    startup.Set(StartupStep::ClipboardWatch, [this] { StartClipboardWatch(); });
    shutdown.Set(ShutdownStep::ClipboardWatch, [this] { StopClipboardWatch(); });
    shutdown.Set(ShutdownStep::TrayIcon, [this] { RemoveTrayIcon(); });
}

void DesktopIntegration::ShowTrayForm() {
    tray_->AddTrayIcon();
}

void DesktopIntegration::StartClipboardWatch() {
    watch_->Start();
}

void DesktopIntegration::StopClipboardWatch() {
    watch_->Stop();
}

void DesktopIntegration::RemoveTrayIcon() {
    tray_->RemoveTrayIcon();
}
