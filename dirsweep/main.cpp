// dirsweep: removes the program's private download folder with everything in it. It asks
// nothing, reports nothing and always ends normally. It never follows a symbolic link: a link
// inside the folder is removed as a link, and its target stays where it is.

#include "TempDirLocation.h"

#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> EntryNames(int folderFd) {
    std::vector<std::string> names;
    const int listFd = dup(folderFd);
    if (listFd < 0)
        return names;
    DIR* listing = fdopendir(listFd);
    if (!listing) {
        close(listFd);
        return names;
    }
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(listing);
    return names;
}

// Opens the folder `name` of `parentFd` for listing, granting ourselves the rights a read-only
// folder withholds. The folder is pinned first without following links, so the rights change
// lands on that folder and nothing else.
int OpenFolderForRemoval(int parentFd, const char* name) {
    const int pinned = openat(parentFd, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (pinned < 0)
        return -1;
    chmod(("/proc/self/fd/" + std::to_string(pinned)).c_str(), 0700);
    const int fd = openat(pinned, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    close(pinned);
    return fd;
}

void RemoveEntry(int parentFd, const char* name) {
    struct stat info {};
    if (fstatat(parentFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    if (!S_ISDIR(info.st_mode)) {
        unlinkat(parentFd, name, 0);
        return;
    }
    if (const int fd = OpenFolderForRemoval(parentFd, name); fd >= 0) {
        for (const std::string& entry : EntryNames(fd))
            RemoveEntry(fd, entry.c_str());
        close(fd);
    }
    unlinkat(parentFd, name, AT_REMOVEDIR);
}

} // namespace

int main() {
    const int program = TempDirLocation::OpenProgramFolder(false);
    if (program < 0)
        return 0;
    // Only a real folder of our own is swept; a link or someone else's folder stays untouched.
    struct stat info {};
    const char* folder = TempDirLocation::DownloadFolder;
    if (fstatat(program, folder, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode) &&
        info.st_uid == geteuid())
        RemoveEntry(program, folder);
    close(program);
    return 0;
}
