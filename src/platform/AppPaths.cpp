#include "AppPaths.h"

#include "TempDirLocation.h"

#include <QCoreApplication>

#include <sys/stat.h>
#include <unistd.h>

QString AppDir() {
    return QCoreApplication::applicationDirPath();
}

QString TempDir() {
    return QString::fromStdString(TempDirLocation::FolderPath()) + "/";
}

bool EnsureTempDir() {
    const int program = TempDirLocation::OpenProgramFolder(true);
    if (program < 0)
        return false;
    fchmod(program, 0700);
    const int folder =
        TempDirLocation::OpenOwnFolder(program, TempDirLocation::DownloadFolder, true);
    close(program);
    if (folder < 0)
        return false;
    // A folder left behind with wider rights is ours, so narrowing them is safe.
    const bool ok = fchmod(folder, 0700) == 0;
    close(folder);
    return ok;
}
