// Prints how long the adapter takes to convert a 3-minute video to MP3 and to MP4, next to
// ffmpeg run directly with the options the adapter hands it.
#include "CoderArguments.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

double SecondsToRun(const QString& program, const QStringList& args) {
    QElapsedTimer clock;
    clock.start();
    QProcess run;
    run.setStandardOutputFile(QProcess::nullDevice());
    run.setStandardErrorFile(QProcess::nullDevice());
    run.start(program, args);
    run.waitForFinished(-1);
    if (run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0)
        return -1;
    return clock.nsecsElapsed() / 1e9;
}

double Median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main() {
    QTextStream out(stdout);
    QTemporaryDir work;
    const QString source = work.filePath("source.flv");
    // The same kind of file the local site serves: test pattern and tone, FLV.
    if (SecondsToRun("ffmpeg",
                     {"-v",       "error",      "-nostdin", "-y",
                      "-f",       "lavfi",      "-i",       "testsrc2=s=176x144:r=12:d=180",
                      "-f",       "lavfi",      "-i",       "sine=f=440:r=22050:d=180",
                      "-pix_fmt", "yuv420p",    "-c:v",     "flv1",
                      "-c:a",     "libmp3lame", "-b:a",     "32k",
                      "-ac",      "1",          source}) < 0) {
        out << "cannot make the source video\n";
        return 1;
    }
    struct Case {
        const char* name;
        QStringList options; // as the program's command line carries them, at the defaults
        const char* extension;
    };
    const QList<Case> cases = {
        {"MP3", {"-ar", "48000", "-y", "-ab", "96k", "-ac", "2"}, "mp3"},
        {"MP4", {"-b", "512", "-y", "-r", "25.0", "-s", "320x240"}, "mp4"},
    };
    constexpr int kRuns = 3;
    out << "3-minute source, median wall time of " << kRuns << " runs\n";
    for (const auto& test : cases) {
        const QStringList coderArgs = QStringList{"-i", source} + test.options +
                                      QStringList{work.filePath(QString("out.") + test.extension)};
        std::vector<std::string> given;
        for (const auto& arg : coderArgs)
            given.push_back(arg.toStdString());
        QStringList direct;
        for (const auto& arg : MapToFfmpeg(given, EncoderSupport{}))
            direct << QString::fromStdString(arg);
        QList<double> viaCoder;
        QList<double> viaFfmpeg;
        for (int i = 0; i < kRuns; ++i) {
            viaCoder << SecondsToRun(CODER_PATH, coderArgs);
            viaFfmpeg << SecondsToRun("ffmpeg", direct);
        }
        const double coder = Median(viaCoder);
        const double ffmpeg = Median(viaFfmpeg);
        out << QString("%1  coder %2 s  ffmpeg %3 s  difference %4 s (%5%)\n")
                   .arg(test.name)
                   .arg(coder, 0, 'f', 2)
                   .arg(ffmpeg, 0, 'f', 2)
                   .arg(coder - ffmpeg, 0, 'f', 2)
                   .arg((coder - ffmpeg) / ffmpeg * 100, 0, 'f', 1);
        out.flush();
    }
    return 0;
}
