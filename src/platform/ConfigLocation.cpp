#include "ConfigLocation.h"

#include "AppPaths.h"
#include "XdgBase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

const QString ProgramName = QStringLiteral("vidlark");

bool IsWritableFolder(const QString& folder) {
    return QFileInfo(folder).isDir() && access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

} // namespace

QString ConfigDir() {
    return ConfigDirFor(AppDir());
}

QString ConfigDirFor(const QString& appDir) {
    if (IsWritableFolder(appDir) && !IsInstalledCopy(appDir))
        return appDir;
    return QFile::decodeName(XdgBase::Folder("XDG_CONFIG_HOME", ".config").c_str()) + u'/' +
           ProgramName;
}

bool IsInstalledCopy(const QString& appDir) {
    QDir folder(appDir);
    if (folder.dirName() != ProgramName || !folder.cdUp() || folder.dirName() != u"lib" ||
        !folder.cdUp())
        return false;
    const QString program = QFileInfo(appDir + u'/' + ProgramName).canonicalFilePath();
    const QString launcher =
        QFileInfo(folder.filePath(QStringLiteral("bin/") + ProgramName)).canonicalFilePath();
    return !program.isEmpty() && launcher == program;
}

QString ConfigFileToRead(const QString& appDir, const QString& name) {
    const QString own = ConfigDirFor(appDir) + u'/' + name;
    const QString beside = appDir + u'/' + name;
    if (!QFileInfo::exists(own) && QFileInfo::exists(beside))
        return beside;
    return own;
}
