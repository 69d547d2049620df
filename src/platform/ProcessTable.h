#pragma once
// Finding and ending processes by name, the way the program recognises its outside tools. The
// name is the process's command name (its file name as started, at most 15 characters, compared
// without regard to letter case); only the current user's processes are seen, and a process
// that has ended but not yet been reaped no longer counts.

#include <QString>

bool IsProcessRunning(const QString& name);

// Ends every matching process at once and does not wait for it to disappear; a process that
// cannot be ended is passed over.
void KillProcessesByName(const QString& name);
