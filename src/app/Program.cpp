#include "Program.h"

#include "AppPaths.h"
#include "frmMain.h"
#include "MessageBoxPrompter.h"
#include "ProcessControl.h"
#include "ProcessTable.h"
#include "TaskEngine.h"
#include "Tools.h"

#include <QDir>

Program::Program()
    : prompter_(std::make_unique<MessageBoxPrompter>()),
      engine_(std::make_unique<TaskEngine>(prompter_.get())),
      window_(std::make_unique<frmMain>(&engine_->Tasks())) {
    connect(window_.get(), &frmMain::ExitRequested, this, &Program::Exit);
    // A new address or the timer: either way the first waiting task gets its chance.
    connect(&txtURL, &HiddenText::Changed, engine_.get(), &TaskEngine::StartNextTask);
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        Timer1.stop();
        engine_->StartNextTask();
    });
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

void Program::SetStartupSteps() {
    startup_.SetGate(StartupStep::SingleInstance, [this] { return instanceLock_.TryAcquire(); });
    startup_.Set(StartupStep::DataFolder, [] { QDir().mkpath(Tools::DataDir()); });
    startup_.Set(StartupStep::TempFolder, [] { EnsureTempDir(); });
    startup_.Set(StartupStep::StaleTools, [] {
        KillProcessesByName(Tools::DownloaderName);
        KillProcessesByName(Tools::EncoderName);
    });
    startup_.Set(StartupStep::ShowWindow, [this] { window_->show(); });
    startup_.Set(StartupStep::FirstTaskTimer, [this] { Timer1.start(); });
}

void Program::SetShutdownSteps() {
    shutdown_.Set(ShutdownStep::StopTools, [] {
        KillProcessesByName(Tools::DownloaderName);
        KillProcessesByName(Tools::EncoderName);
    });
    shutdown_.Set(ShutdownStep::StartSweeper, [] { StartDetached(Tools::SweeperPath()); });
    shutdown_.Set(ShutdownStep::EndProcess, [] { EndProcessNow(); });
}
