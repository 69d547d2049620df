// Test fixture: a private copy of the program folder, so that a test's settings files are its
// own and nothing of them is left in the build: the program itself, links to the built tools
// and the completion sound, and the site.ini and setup.ini the test writes.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// Makes the folder at `appDir` from the build's; false when any part cannot be made.
inline bool MakeProgramFolder(const QString& appDir, const QByteArray& siteIni,
                              const QByteArray& setupIni) {
    const QString built = qEnvironmentVariable("VIDLARK_APPDIR");
    if (!QDir().mkpath(appDir + "/data") || !QDir().mkpath(appDir + "/sound") ||
        !QFile::copy(built + "/vidlark", appDir + "/vidlark"))
        return false;
    QFile::setPermissions(appDir + "/vidlark", QFile::ExeOwner | QFile::ReadOwner);
    for (const QString tool : {"wg", "coder", "dirsweep"})
        if (!QFile::link(QFileInfo(built + "/data/" + tool).absoluteFilePath(),
                         appDir + "/data/" + tool))
            return false;
    QFile::copy(built + "/sound/sound.wav", appDir + "/sound/sound.wav");
    for (const auto& [name, content] :
         {std::pair{"/site.ini", siteIni}, {"/setup.ini", setupIni}}) {
        QFile file(appDir + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return false;
    }
    return true;
}
