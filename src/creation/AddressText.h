#pragma once
// Small text rules about addresses and paths that the task sources and the add-task dialog share.

#include <QString>

// True when the text holds "watch?v=" (exact letter case) with at least one character after it.
bool IsWatchAddress(const QString& text);

// The characters after the last "/" of a path; the whole path when it has none.
QString ExtractFileName(const QString& path);

// The path up to and including its last "/"; empty when it has none.
QString FolderOfPath(const QString& path);
