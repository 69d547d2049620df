#pragma once
// Builds the program's objects (the window too, unshown), wires them together and fills in the
// start-up and shutdown steps. Later parts of the program add their objects and steps here.

#include "HiddenText.h"
#include "Lifecycle.h"
#include "SingleInstance.h"

#include <QObject>
#include <QTimer>

#include <memory>

class frmMain;
class MessageBoxPrompter;
class TaskEngine;

class Program : public QObject {
    Q_OBJECT
public:
    Program();
    ~Program() override;

    // Runs the start-up steps; false when this copy must end at once.
    bool Start();

    // The Exit command: asks while tasks exist, then ends the tools and the process.
    void Exit();

private:
    void SetStartupSteps();
    void SetShutdownSteps();

    SingleInstanceLock instanceLock_;
    std::unique_ptr<MessageBoxPrompter> prompter_;
    std::unique_ptr<TaskEngine> engine_;
    std::unique_ptr<frmMain> window_;
    HiddenText txtURL;
    QTimer Timer1;
    StartupSequence startup_;
    ShutdownSequence shutdown_;
};
