#include "TaskEngine.h"

#include "ProcessTable.h"
#include "Tools.h"

TaskEngine::TaskEngine(Prompter* prompter, QObject* parent)
    : QObject(parent), objDOS_(prompter), ffmpegDOS_(prompter) {}

void TaskEngine::StartNextTask() {
    if (tasks_.Count() == 0 || tasks_.Text(0, TaskList::Status) != TaskStatus::Awaiting)
        return;
    // The download pipeline takes the waiting task from here.
}

void TaskEngine::RemoveSelectedTask(int row) {
    if (row <= 0) {
        KillProcessesByName(Tools::DownloaderName);
        return;
    }
    tasks_.RemoveAt(row);
    StartNextTask();
}
