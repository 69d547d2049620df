#pragma once
// Finding and ending processes the way the program recognises its outside tools: by command
// name (the file name as started, at most 15 characters, compared without regard to letter
// case) and by the file the process runs, which must be the one `program` names (links
// followed), so that another program that happens to carry the same name is never waited on
// or ended. Only the current user's processes are seen, and a process that has ended but not
// yet been reaped no longer counts.

#include <QString>

bool IsProcessRunning(const QString& name, const QString& program);

// Ends every matching process at once and does not wait for it to disappear; a process that
// cannot be ended is passed over.
void KillProcessesByName(const QString& name, const QString& program);
