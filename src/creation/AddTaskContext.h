#pragma once
// What the add-task dialog needs from the rest of the program, handed in when it is made.

#include "SaveDialog.h"

#include <QDateTime>
#include <QString>

#include <functional>

class Prompter;
class TaskList;

struct AddTaskContext {
    TaskList* tasks = nullptr;
    QString appDir; // no trailing "/"
    // Where default.ini lives (ConfigDir() in the program); appDir when left empty.
    QString configDir;
    QString tempDir; // with a trailing "/"
    // Shows the check messages; boxes over the dialog when left empty (a box owned by the
    // main window would be disabled with it).
    Prompter* prompter = nullptr;
    // Empties the desktop clipboard while it still holds `taken`, the text the dialog last took
    // from a task source, so that the same address copied again is offered again; anything the
    // user copied since stays. The dialog calls it when it closes, if a source gave it a text.
    std::function<void(const QString& taken)> emptyClipboard;
    // Shows the save dialog; ShowSaveDialog when left empty.
    SaveDialogSeam saveDialog;
    // The moment a task is queued; the local clock when left empty.
    std::function<QDateTime()> clock;
};
