#include "Lifecycle.h"

#include "Prompter.h"
#include "TaskList.h"

bool ConfirmExit(const TaskList& tasks, Prompter& prompter) {
    return tasks.Count() == 0 ||
           prompter.AskOkCancel(QStringLiteral("Warning"),
                                QStringLiteral("The program is downloading videos, Exit now?"));
}
