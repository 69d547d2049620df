#include "PrivateDisplay.h"

#include <QStandardPaths>
#include <QtGlobal>

bool PrivateDisplay::StartServer() {
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
        return false;
    // Xvfb picks a free display number itself and prints it on the descriptor we name.
    server_.start(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                   QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                   QStringLiteral("1024x768x24")});
    if (!server_.waitForStarted(5000))
        return false;
    QByteArray number;
    while (!number.contains('\n') && server_.waitForReadyRead(10000))
        number += server_.readAllStandardOutput();
    number = number.trimmed();
    if (number.isEmpty())
        return false;
    qputenv("DISPLAY", ":" + number);
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}

void PrivateDisplay::StartTrayHost() {
    if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty())
        return;
    trayHost_.start(QStringLiteral("trayer"),
                    {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                     QStringLiteral("right"), QStringLiteral("--widthtype"),
                     QStringLiteral("request"), QStringLiteral("--height"), QStringLiteral("24")});
    trayHost_.waitForStarted(5000);
}

bool PrivateDisplay::StartWindowManager() {
    if (QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty())
        return false;
    // Openbox runs its start-up command once it manages the screen.
    windowManager_.start(QStringLiteral("openbox"),
                         {QStringLiteral("--startup"), QStringLiteral("echo openbox-ready")});
    if (!windowManager_.waitForStarted(5000))
        return false;
    QByteArray said;
    while (!said.contains("openbox-ready") && windowManager_.waitForReadyRead(10000))
        said += windowManager_.readAllStandardOutput();
    return said.contains("openbox-ready");
}

PrivateDisplay::~PrivateDisplay() {
    for (QProcess* process : {&trayHost_, &windowManager_, &server_}) {
        if (process->state() != QProcess::NotRunning) {
            process->terminate();
            process->waitForFinished(3000);
        }
    }
}
