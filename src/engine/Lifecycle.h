#pragma once
// The program's start-up and shutdown, as ordered steps that each part of the program fills in
// at its own place: the application sets what exists today, later parts add theirs.

#include "StepSequence.h"

class Prompter;
class TaskList;

enum class StartupStep {
    ShapedLook,
    LinkColours,
    SingleInstance, // a gate: a second copy ends here, disturbing nothing
    DataFolder,
    ProgressStrip,
    Runners,
    EngineState,
    Settings,
    TrayIcon,
    MusicBrowser,
    ClipboardWatch,
    TempFolder,
    StaleTools,
    ProgressMaximum,
    StartArgument,
    ShowWindow,
    FirstTaskTimer,
};

enum class ShutdownStep {
    StopTools,
    StartSweeper,
    ClipboardWatch,
    TrayIcon,
    EndProcess,
};

using StartupSequence = StepSequence<StartupStep>;
using ShutdownSequence = StepSequence<ShutdownStep>;

// The Exit command's question, asked only while the list has rows; true when the program may
// end.
bool ConfirmExit(const TaskList& tasks, Prompter& prompter);
