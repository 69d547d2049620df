#pragma once
// Where the configuration files (setup.ini, default.ini, site.ini) live. A program folder the
// user can write, such as a build or a portable copy, keeps them beside the program; an
// installed copy keeps them in $XDG_CONFIG_HOME/vidlark/. Every reader and writer of those files
// asks here, so they can never disagree about which file is meant.

#include <QString>

// The folder for AppDir(), without a trailing slash. It may not exist yet: a writer makes it.
QString ConfigDir();

// The same decision for any program folder: the folder itself when it is writable and not an
// installed copy, otherwise $XDG_CONFIG_HOME/vidlark (~/.config/vidlark when the variable is
// unset or not absolute).
QString ConfigDirFor(const QString& appDir);

// True for <prefix>/lib/vidlark when <prefix>/bin/vidlark leads to its program. Such a copy is
// the system's, even where the user (root, or a private prefix) could write into it, so the
// user's choices never land among its files.
bool IsInstalledCopy(const QString& appDir);

// The file `name` to read: the one in the configuration folder, else the one beside the program
// (an installed copy may ship defaults there), else the configuration folder's path.
QString ConfigFileToRead(const QString& appDir, const QString& name);
