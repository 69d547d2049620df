#pragma once
// The permission bits of files, as a plain copy would treat them: a new file gets what the
// user's umask allows, a file that is replaced keeps its own.

#include <QString>

// 0666 less the user's umask.
int NewFileModeBits();

// The permission bits (at most 0777) of the file at `path`, links followed; -1 when there is
// no such file.
int FileModeBits(const QString& path);

bool SetFileModeBits(const QString& path, int bits);
