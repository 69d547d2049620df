// How long the console runner takes to deliver everything a fast tool writes, against the same
// tool writing straight to /dev/null.

#include "DOSOutputs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr qint64 Bytes = 5 * 1024 * 1024;
constexpr int Rounds = 3;
const QString Writer = QStringLiteral(WRITER_PATH);
const QString WriterName = QStringLiteral("vlbench-writer");

qint64 DirectMilliseconds() {
    QProcess writer;
    writer.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    writer.start(Writer, {QString::number(Bytes)});
    writer.waitForFinished(-1);
    return clock.elapsed();
}

qint64 RunnerMilliseconds(qint64& delivered, int& chunks) {
    DOSOutputs runner(nullptr);
    delivered = 0;
    chunks = 0;
    QObject::connect(&runner, &DOSOutputs::ReceiveOutputs, &runner, [&](const QString& chunk) {
        delivered += chunk.size();
        ++chunks;
    });
    QEventLoop loop;
    QObject::connect(&runner, &DOSOutputs::CommandOver, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    runner.ExecuteCommand(Writer + u' ' + QString::number(Bytes), WriterName);
    loop.exec();
    return clock.elapsed();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    qint64 bestDirect = -1;
    qint64 bestRunner = -1;
    qint64 delivered = 0;
    int chunks = 0;
    for (int round = 0; round < Rounds; ++round) {
        const qint64 direct = DirectMilliseconds();
        const qint64 run = RunnerMilliseconds(delivered, chunks);
        bestDirect = bestDirect < 0 ? direct : std::min(bestDirect, direct);
        bestRunner = bestRunner < 0 ? run : std::min(bestRunner, run);
        out << "round " << round + 1 << ": to /dev/null " << direct << " ms, through the runner "
            << run << " ms (" << delivered << " bytes in " << chunks << " chunks)\n";
    }
    out << "best of " << Rounds << ": a tool writing " << Bytes / (1024 * 1024) << " MB takes "
        << bestDirect << " ms to /dev/null and " << bestRunner << " ms through the runner\n";
    return 0;
}
