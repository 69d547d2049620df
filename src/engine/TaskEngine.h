#pragma once
// The engine behind the windows: the task list, the runners of the two outside tools, and the
// operations on the queue. Windows reach it through these calls and learn of its changes
// through signals; it never shows anything itself except through the prompter.

#include "DOSOutputs.h"
#include "TaskList.h"

#include <QObject>

class Prompter;

class TaskEngine : public QObject {
    Q_OBJECT
public:
    explicit TaskEngine(Prompter* prompter, QObject* parent = nullptr);

    TaskList& Tasks() { return tasks_; }
    DOSOutputs& objDOS() { return objDOS_; }
    DOSOutputs& ffmpegDOS() { return ffmpegDOS_; }

    // Begins the first task when it is still waiting; does nothing otherwise.
    void StartNextTask();

    // The Remove command on `row` (-1 when none is selected, which means the first row). The
    // first row only has its downloader ended: the download stage then finishes it with what
    // has arrived. Any other row is still waiting, so it simply goes.
    void RemoveSelectedTask(int row);

private:
    TaskList tasks_;
    DOSOutputs objDOS_;
    DOSOutputs ffmpegDOS_;
};
