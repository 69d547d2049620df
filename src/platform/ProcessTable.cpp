#include "ProcessTable.h"

#include <QDir>
#include <QFile>
#include <QList>

#include <csignal>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The kernel keeps 15 characters of a command name.
constexpr int CommandNameLength = 15;

QByteArray ReadProcFile(pid_t pid, const char* file) {
    QFile source(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(file)));
    return source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
}

// The real user of a process, from the "Uid:" line of its status.
bool ReadRealUid(pid_t pid, uid_t& uid) {
    for (const QByteArray& line : ReadProcFile(pid, "status").split('\n')) {
        if (line.startsWith("Uid:")) {
            bool ok = false;
            uid = line.mid(4).simplified().split(' ').value(0).toUInt(&ok);
            return ok;
        }
    }
    return false;
}

// The file a process runs, or a program file, as the file system knows it: two paths (links,
// another route to the same folder) name the same program exactly when these agree.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool valid = false;

    bool operator==(const FileIdentity& other) const {
        return valid && other.valid && device == other.device && inode == other.inode;
    }
};

FileIdentity IdentityOf(const QByteArray& path) {
    struct stat info {};
    if (stat(path.constData(), &info) != 0)
        return {};
    return {info.st_dev, info.st_ino, true};
}

struct Wanted {
    QByteArray name;
    FileIdentity program;
};

Wanted WantedFor(const QString& name, const QString& program) {
    return {name.toLocal8Bit().left(CommandNameLength).toLower(),
            IdentityOf(QFile::encodeName(program))};
}

// True for a live process of the current user with the wanted command name and program.
bool Matches(pid_t pid, const Wanted& wanted) {
    // "pid (name) state ...": the name itself may hold blanks and parentheses.
    const QByteArray stat = ReadProcFile(pid, "stat");
    const qsizetype open = stat.indexOf('(');
    const qsizetype close = stat.lastIndexOf(')');
    if (open < 0 || close < open || close + 2 >= stat.size())
        return false;
    if (stat.mid(open + 1, close - open - 1).toLower() != wanted.name)
        return false;
    const char state = stat.at(close + 2);
    if (state == 'Z' || state == 'X' || state == 'x')
        return false;
    uid_t uid = 0;
    return ReadRealUid(pid, uid) && uid == getuid() &&
           IdentityOf(QByteArray("/proc/") + QByteArray::number(pid) + "/exe") == wanted.program;
}

QList<pid_t> MatchingProcesses(const Wanted& wanted) {
    QList<pid_t> found;
    if (wanted.name.isEmpty() || !wanted.program.valid)
        return found;
    const QStringList pids =
        QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& text : pids) {
        bool number = false;
        const pid_t pid = text.toInt(&number);
        if (number && Matches(pid, wanted))
            found.append(pid);
    }
    return found;
}

// Pins the process down before checking it again, so that a number reused by a newer process
// in the meantime never ends the wrong one.
void KillIfStillMatching(pid_t pid, const Wanted& wanted) {
    const int handle = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (Matches(pid, wanted)) {
        if (handle >= 0)
            syscall(SYS_pidfd_send_signal, handle, SIGKILL, nullptr, 0);
        else
            kill(pid, SIGKILL);
    }
    if (handle >= 0)
        close(handle);
}

} // namespace

bool IsProcessRunning(const QString& name, const QString& program) {
    return !MatchingProcesses(WantedFor(name, program)).isEmpty();
}

void KillProcessesByName(const QString& name, const QString& program) {
    const Wanted wanted = WantedFor(name, program);
    for (const pid_t pid : MatchingProcesses(wanted))
        KillIfStillMatching(pid, wanted);
}
