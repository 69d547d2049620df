#pragma once
// How a tool's run ended: on its own with an exit code, by a signal, or because the program
// itself ended it (Remove). Only the first two can be failures.

struct ToolExit {
    bool signalled = false; // ended by a signal, by whoever sent it
    int code = 0;           // the exit code when it ended on its own
    bool endedByUs = false; // the program asked for the end

    bool Succeeded() const { return !signalled && code == 0; }
    bool Failed() const { return !endedByUs && !Succeeded(); }
};
