// Test helper: stand-in yt-dlp programs, and whether a process still lives. A stand-in is a
// small Python program named yt-dlp (so its process carries that name, as the real one's does)
// that writes its pid to "pid" beside itself and then runs the given Python lines, in which
// `here` names its folder.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace ytdlpstub {

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The stand-in's path, or empty when it could not be written.
inline QString Write(const QString& folder, const QByteArray& body) {
    const QString path = folder + QStringLiteral("/yt-dlp");
    const QByteArray program = "#!/usr/bin/python3\n"
                               "import json, os, subprocess, sys, time\n"
                               "here = os.path.dirname(os.path.abspath(sys.argv[0]))\n"
                               "open(os.path.join(here, 'pid'), 'w').write(str(os.getpid()))\n" +
                               body + "\n";
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(program) == program.size();
    file.close();
    return written && file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
               ? path
               : QString();
}

// Hands everything to the real yt-dlp after noting that it ran.
inline const QByteArray PassThrough = "open(os.path.join(here, 'ran'), 'a').write('ran\\n')\n"
                                      "os.execv('/usr/bin/yt-dlp', ['yt-dlp'] + sys.argv[1:])";

// A yt-dlp that never answers.
inline const QByteArray Silent = "time.sleep(120)";

// The pid the stand-in in `folder` wrote, 0 before it has run.
inline qint64 Pid(const QString& folder) {
    return ReadFile(folder + QStringLiteral("/pid")).toLongLong();
}

// True while `pid` is a live process (an ended one waiting to be reaped does not count).
inline bool IsAlive(qint64 pid) {
    const QByteArray stat = ReadFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const qsizetype close = stat.lastIndexOf(')');
    return pid > 0 && close > 0 && close + 2 < stat.size() && stat.at(close + 2) != 'Z';
}

} // namespace ytdlpstub
