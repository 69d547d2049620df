#pragma once
// The per-user base folders of the freedesktop layout ($XDG_CACHE_HOME, $XDG_CONFIG_HOME).
// Standard library and POSIX only, so the folder-removal program can share it.

#include <cstdlib>
#include <pwd.h>
#include <string>
#include <unistd.h>

namespace XdgBase {

// The user's home folder: $HOME when it is absolute, otherwise the password database's.
inline std::string Home() {
    if (const char* env = std::getenv("HOME"); env && env[0] == '/')
        return env;
    if (const passwd* entry = getpwuid(getuid()))
        return entry->pw_dir;
    return {};
}

// The folder named by `variable` when it is an absolute path, otherwise `homeSubfolder` in the
// home folder: a relative value is treated as unset, as the freedesktop rules ask.
inline std::string Folder(const char* variable, const char* homeSubfolder) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/')
        return value;
    return Home() + "/" + homeSubfolder;
}

} // namespace XdgBase
