#include "FileModes.h"

#include <QFile>

#include <sys/stat.h>

namespace {

// The kernel shows the umask without changing it; umask() itself can only be read by setting it,
// which another thread creating a file at that moment would feel.
int UmaskFromStatus() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("Umask:")) {
            bool ok = false;
            const int mask = line.mid(6).trimmed().toInt(&ok, 8);
            return ok ? mask : -1;
        }
    }
    return -1;
}

int CurrentUmask() {
    const int mask = UmaskFromStatus();
    if (mask >= 0)
        return mask;
    const mode_t old = umask(022);
    umask(old);
    return int(old);
}

} // namespace

int NewFileModeBits() {
    return 0666 & ~CurrentUmask();
}

int FileModeBits(const QString& path) {
    struct stat state {};
    if (stat(QFile::encodeName(path).constData(), &state) != 0)
        return -1;
    return int(state.st_mode & 0777);
}

bool SetFileModeBits(const QString& path, int bits) {
    return chmod(QFile::encodeName(path).constData(), mode_t(bits & 0777)) == 0;
}
