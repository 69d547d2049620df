#include "ProcessControl.h"

#include <QProcess>

#include <unistd.h>

bool StartDetached(const QString& program) {
    QProcess process;
    process.setProgram(program);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

void EndProcessNow() {
    _exit(0);
}
