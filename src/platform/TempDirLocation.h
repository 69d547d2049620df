#pragma once
// Where the private download folder lives, and how to open the folders on the way to it without
// following a link someone else planted. Standard library and POSIX only: the folder-removal
// program shares these rules with the main program so that both name the very same folder.

#include "XdgBase.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace TempDirLocation {

inline constexpr const char* ProgramFolder = "vidlark";
inline constexpr const char* DownloadFolder = "tmpDownload";

// $XDG_CACHE_HOME when it is an absolute path, otherwise ~/.cache.
inline std::string CacheBase() {
    return XdgBase::Folder("XDG_CACHE_HOME", ".cache");
}

// The download folder, without a trailing slash.
inline std::string FolderPath() {
    return CacheBase() + "/" + ProgramFolder + "/" + DownloadFolder;
}

// Opens the folder `name` inside `parentFd` (creating it with mode 0700 when asked) and returns
// its descriptor, or -1 when it is missing, is a symbolic link or belongs to another user.
inline int OpenOwnFolder(int parentFd, const char* name, bool create) {
    if (create && mkdirat(parentFd, name, 0700) != 0 && errno != EEXIST)
        return -1;
    const int fd = openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (fstat(fd, &info) != 0 || info.st_uid != geteuid()) {
        close(fd);
        return -1;
    }
    return fd;
}

// Opens the cache base, creating the missing folders of its path (mode 0700) when asked. The
// base is the user's own choice, so a link there is followed.
inline int OpenCacheBase(bool create) {
    const std::string base = CacheBase();
    if (create) {
        for (std::size_t slash = base.find('/', 1);; slash = base.find('/', slash + 1)) {
            mkdir(base.substr(0, slash).c_str(), 0700);
            if (slash == std::string::npos)
                break;
        }
    }
    return open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// Opens the program's own folder inside the cache base: -1 when it is missing or not ours.
inline int OpenProgramFolder(bool create) {
    const int base = OpenCacheBase(create);
    if (base < 0)
        return -1;
    const int fd = OpenOwnFolder(base, ProgramFolder, create);
    close(base);
    return fd;
}

} // namespace TempDirLocation
