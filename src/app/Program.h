#pragma once
// Builds the program's objects (the window too, unshown), wires them together and fills in the
// start-up and shutdown steps. Steps that belong to windows not wired here yet (the shaped
// look, the drag zone, the tray, the music browser, the clipboard watch) are left to whoever
// adds them: Startup() and Shutdown() take them at their place in the order.

#include "CompletionSound.h"
#include "HiddenText.h"
#include "Lifecycle.h"
#include "SingleInstance.h"
#include "SiteSettings.h"

#include <QObject>
#include <QStringList>

#include <memory>

class AddTaskDialogHost;
class frmMain;
class MessageBoxPrompter;
class TaskEngine;

class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(const QStringList& arguments);
    ~Program() override;

    // Runs the start-up steps; false when this copy must end at once.
    bool Start();

    // The Exit command: asks while tasks exist, then ends the tools and the process.
    void Exit();

    // The Remove command: asks while tasks exist, then removes the selected task.
    void Remove();

    TaskEngine& Engine() { return *engine_; }
    StartupSequence& Startup() { return startup_; }
    ShutdownSequence& Shutdown() { return shutdown_; }

Q_SIGNALS:
    // The settings ask for the drag zone at start.
    void DragZoneRequested();

private:
    void ConnectEngine();
    void SetStartupSteps();
    void SetShutdownSteps();
    void ReadStartSettings();

    SingleInstanceLock instanceLock_;
    bool browserStart_ = false;
    SiteSettings site_;
    std::unique_ptr<MessageBoxPrompter> prompter_;
    std::unique_ptr<TaskEngine> engine_;
    std::unique_ptr<frmMain> window_;
    std::unique_ptr<AddTaskDialogHost> addHost_;
    CompletionSound sound_;
    HiddenText txtURL;
    StartupSequence startup_;
    ShutdownSequence shutdown_;
};
