#pragma once
// The program's two folders: AppDir, where the program and its data live, and TempDir, the
// private per-user folder of every download and conversion.

#include <QString>

// The folder of the running program, without a trailing slash.
QString AppDir();

// The private download folder, with a trailing slash. It may not exist yet; EnsureTempDir
// makes it.
QString TempDir();

// Creates TempDir (mode 0700) and the folders above it. False when a symbolic link or a folder
// of another user stands at its place or above it: such a folder is never used.
bool EnsureTempDir();
