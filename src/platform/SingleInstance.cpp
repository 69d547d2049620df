#include "SingleInstance.h"

#include "TempDirLocation.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstanceLock::~SingleInstanceLock() {
    if (fd_ >= 0)
        close(fd_);
}

bool SingleInstanceLock::TryAcquire() {
    if (fd_ >= 0)
        return true;
    const int folder = TempDirLocation::OpenProgramFolder(true);
    if (folder < 0)
        return true;
    // Close-on-exec keeps the lock out of the tools we start: a stale downloader must not make
    // the next start believe the program still runs.
    const int fd = openat(folder, "instance.lock", O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    close(folder);
    if (fd < 0)
        return true;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}
