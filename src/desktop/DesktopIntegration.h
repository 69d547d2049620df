#pragma once
// Everything of the program that lives on the desktop rather than in the main window: the popup
// menus, the tray icon, the drag zone, and the clipboard and drop sources. It is built with the
// shared hidden text boxes and offers every address it receives through one signal; the
// program answers that by opening the add-task dialog with the address.

#include "Lifecycle.h"

#include <QObject>

#include <memory>

class ClipboardSource;
class ClipboardWatch;
class HiddenText;
class Prompter;
class QClipboard;
class QIcon;
class QWidget;
class frmDrag;
class frmPop;
class frmS;

class DesktopIntegration : public QObject {
    Q_OBJECT
public:
    DesktopIntegration(HiddenText& menuMsg, HiddenText& txtMessage, Prompter& prompter,
                       QClipboard* clipboard, QObject* parent = nullptr);
    ~DesktopIntegration() override;

    // The window the tray, the drag zone and the Main menu restore, show and hide.
    void SetMainWindow(QWidget* mainWindow);
    // The tray picture (`imgIcon`); the logo is used until one is given.
    void SetTrayIcon(const QIcon& icon);

    frmPop& Pop() const { return *pop_; }
    frmS& Tray() const { return *tray_; }
    frmDrag& Drag() const { return *drag_; }
    ClipboardWatch& Watch() const { return *watch_; }

    // The start-up step of the settings calls this when they ask for the drag zone.
    void ShowDragZone();
    // Puts the tray icon and the clipboard watch at their places in the program's start-up and
    // shutdown.
    void FillSteps(StartupSequence& startup, ShutdownSequence& shutdown);

    void ShowTrayForm();
    void StartClipboardWatch();
    void StopClipboardWatch();
    void RemoveTrayIcon();

Q_SIGNALS:
    void AddressOffered(const QString& text);

private:
    std::unique_ptr<frmPop> pop_;
    std::unique_ptr<frmS> tray_;
    std::unique_ptr<frmDrag> drag_;
    std::unique_ptr<ClipboardWatch> watch_;
    std::unique_ptr<ClipboardSource> clipboardSource_;
};
