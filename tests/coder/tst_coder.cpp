// The encoder adapter: its option mapping and progress rewriting, and the real program converting
// real files with the installed ffmpeg.
#include "CoderArguments.h"
#include "ProgressFilter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

std::vector<std::string> ToStd(const QStringList& list) {
    std::vector<std::string> out;
    for (const auto& item : list)
        out.push_back(item.toStdString());
    return out;
}

QStringList FromStd(const std::vector<std::string>& list) {
    QStringList out;
    for (const auto& item : list)
        out << QString::fromStdString(item);
    return out;
}

QJsonObject Probe(const QString& file) {
    QProcess probe;
    probe.start("ffprobe", {"-v", "error", "-show_entries",
                            "format=format_name,duration:format_tags=major_brand:stream=codec_type,"
                            "codec_name,sample_rate,channels,r_frame_rate",
                            "-of", "json", file});
    probe.waitForFinished(60000);
    return QJsonDocument::fromJson(probe.readAllStandardOutput()).object();
}

double Duration(const QJsonObject& probe) {
    return probe["format"].toObject()["duration"].toString().toDouble();
}

QJsonObject Stream(const QJsonObject& probe, const QString& kind) {
    for (const auto& stream : probe["streams"].toArray())
        if (stream.toObject()["codec_type"].toString() == kind)
            return stream.toObject();
    return {};
}

// The process whose parent is `parent`, or 0.
qint64 ChildOf(qint64 parent) {
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + entry + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(stat.readAll());
        const QStringList fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[1].toLongLong() == parent)
            return entry.toLongLong();
    }
    return 0;
}

// Gone, or a zombie nobody has collected yet: either way it runs no more.
bool IsRunning(qint64 pid) {
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(stat.readAll());
    return text.mid(text.lastIndexOf(')') + 2, 1) != "Z";
}

} // namespace

class TestCoder : public QObject {
    Q_OBJECT

    QTemporaryDir work_;
    QString coder_;
    QString shortSource_; // 4 s, like the site's videos
    QString longSource_;  // 60 s, for progress and for ending a run midway
    double shortSeconds_ = 0;
    double longSeconds_ = 0;

    QString MakeSource(const QString& name, int seconds) {
        const QString path = work_.filePath(name);
        const QString length = QString::number(seconds);
        QProcess ffmpeg;
        ffmpeg.start("ffmpeg",
                     {"-v",       "error",      "-nostdin", "-y",
                      "-f",       "lavfi",      "-i",       "testsrc2=s=176x144:r=12:d=" + length,
                      "-f",       "lavfi",      "-i",       "sine=f=440:r=22050:d=" + length,
                      "-pix_fmt", "yuv420p",    "-c:v",     "flv1",
                      "-c:a",     "libmp3lame", "-b:a",     "32k",
                      "-ac",      "1",          path});
        ffmpeg.waitForFinished(120000);
        return ffmpeg.exitCode() == 0 ? path : QString();
    }

private Q_SLOTS:
    void initTestCase() {
        coder_ = qEnvironmentVariable("VIDLARK_APPDIR") + "/data/coder";
        QVERIFY(QFileInfo(coder_).isExecutable());
        shortSource_ = MakeSource("short.flv", 4);
        longSource_ = MakeSource("long.flv", 60);
        QVERIFY(!shortSource_.isEmpty() && !longSource_.isEmpty());
        shortSeconds_ = Duration(Probe(shortSource_));
        longSeconds_ = Duration(Probe(longSource_));
    }

    void rewritesProgressTimes_data() {
        QTest::addColumn<QStringList>("chunks");
        QTest::addColumn<QString>("printed");
        QTest::newRow("clock to seconds") << QStringList{"frame=1 time=00:03:25.40 bitrate=1\r"}
                                          << "frame=1 time=205.40 bitrate=1\r";
        QTest::newRow("hours") << QStringList{"time=01:00:02.05 x\n"} << "time=3602.05 x\n";
        QTest::newRow("blank added at the end of a line")
            << QStringList{"size=1kB time=00:00:01.50\r"} << "size=1kB time=1.50 \r";
        QTest::newRow("negative before the first frame")
            << QStringList{"time=-577014:32:22.77 bitrate=N/A\r"} << "time=0.00 bitrate=N/A\r";
        QTest::newRow("not known yet")
            << QStringList{"time=N/A speed=N/A\r"} << "time=0.00 speed=N/A\r";
        QTest::newRow("split across reads")
            << QStringList{"frame=2 ti", "me=00:00:0", "2.25 bitrate=3\rnext"}
            << "frame=2 time=2.25 bitrate=3\rnext";
        QTest::newRow("duration passes unchanged")
            << QStringList{"  Duration: 00:03:25.40, start: 0.000000\n"}
            << "  Duration: 00:03:25.40, start: 0.000000\n";
        QTest::newRow("other lines pass unchanged")
            << QStringList{"lunchtime=soon\n", "time=later \n"} << "lunchtime=soon\ntime=later \n";
    }
    void rewritesProgressTimes() {
        QFETCH(QStringList, chunks);
        QFETCH(QString, printed);
        ProgressFilter filter;
        std::string out;
        for (const QString& chunk : chunks)
            out += filter.Feed(chunk.toStdString());
        out += filter.Finish();
        QCOMPARE(QString::fromStdString(out), printed);
    }

    void mapsOldOptions_data() {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<bool>("amrNb");
        QTest::addColumn<QStringList>("expected");
        const QStringList lead = {"-hide_banner", "-nostdin"};
        QTest::newRow("bare bitrates are kilobits")
            << QStringList{"-i", "a.flv", "-b", "512", "-y", "-ab", "96", "a.mp4"} << false
            << lead + QStringList{"-i", "a.flv", "-b:v", "512k", "-y", "-b:a", "96k", "a.mp4"};
        QTest::newRow("a unit written twice counts once")
            << QStringList{"-i", "a.flv", "-ab", "4.75kk", "a.mp3"} << false
            << lead + QStringList{"-i", "a.flv", "-b:a", "4.75k", "a.mp3"};
        QTest::newRow("empty arguments dropped, unknown ones kept in place")
            << QStringList{"-re", "-i", "a.flv", "-y", "", "-bogus", "7", "-s", "480x480", "a.mov"}
            << false << lead + QStringList{"-re", "-i", "a.flv",   "-y",   "-bogus",
                                           "7",   "-s", "480x480", "a.mov"};
        QTest::newRow("MPEG-1 frame rate to the nearest it takes")
            << QStringList{"-i", "a.flv", "-r", "14.985", "-y", "a.mpg"} << false
            << lead + QStringList{"-i", "a.flv", "-r", "24000/1001", "-y", "a.mpg"};
        QTest::newRow("MP3 sample rate to the nearest it takes")
            << QStringList{"-i", "a.flv", "-ar", "12050", "a.mp3"} << false
            << lead + QStringList{"-i", "a.flv", "-ar", "12000", "a.mp3"};
        QTest::newRow("AMR-NB when ffmpeg has it")
            << QStringList{"-i",  "a.flv", "-s",  "176x144", "-acodec", "libamr_nb",
                           "-ar", "8000",  "-ab", "6.8k",    "a.3gp"}
            << true << lead + QStringList{"-i",      "a.flv",   "-s",
                                          "176x144", "-acodec", "libopencore_amrnb",
                                          "-ar",     "8000",    "-b:a",
                                          "6700",    "-ac",     "1",
                                          "-vcodec", "h263",    "a.3gp"};
        QTest::newRow("AAC in mono otherwise")
            << QStringList{"-i",  "a.flv", "-s",  "320x240", "-acodec", "libamr_nb",
                           "-ar", "8000",  "-ab", "4.75k",   "a.3gp"}
            << false << lead + QStringList{"-i",  "a.flv", "-s",      "320x240", "-acodec",
                                           "aac", "-ar",   "8000",    "-b:a",    "4.75k",
                                           "-ac", "1",     "-vcodec", "mpeg4",   "a.3gp"};
    }
    void mapsOldOptions() {
        QFETCH(QStringList, given);
        QFETCH(bool, amrNb);
        QFETCH(QStringList, expected);
        QCOMPARE(FromStd(MapToFfmpeg(ToStd(given), EncoderSupport{amrNb})), expected);
    }

    void convertsEveryProfile_data() {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("container"); // major brand of ISO files, else format name
        QTest::addColumn<QString>("videoCodec");
        QTest::addColumn<QString>("audioCodec");
        QTest::addColumn<QString>("detail"); // "key=value" of a stream that must hold, or empty
        // The profiles at their defaults, as the add-task dialog builds them.
        QTest::newRow("MP3") << "-ar 48000 -y -ab 96k -ac 2"
                             << "mp3"
                             << "mp3"
                             << ""
                             << "mp3"
                             << "channels=2";
        QTest::newRow("WMV") << "-vcodec wmv2 -acodec wmav2 -r 25.0 -y -s 320x240"
                             << "wmv"
                             << "asf"
                             << "wmv2"
                             << "wmav2"
                             << "";
        QTest::newRow("MOV") << "-y  -s 480x480"
                             << "mov"
                             << "qt"
                             << "h264"
                             << "aac"
                             << "";
        QTest::newRow("MP4") << "-b 512 -y -r 25.0 -s 320x240"
                             << "mp4"
                             << "isom"
                             << "h264"
                             << "aac"
                             << "";
        QTest::newRow("3GP")
            << "-b 120 -y -r 14.985 -s 176x144 -acodec libamr_nb -ar 8000 -ab 4.75k"
            << "3gp"
            << "3gp"
            << "h263"
            << ""
            << "sample_rate=8000";
        QTest::newRow("AVI") << "-r 25.0 -y -s 320x240"
                             << "mpg"
                             << "mpeg"
                             << "mpeg1video"
                             << "mp2"
                             << "";
        // Other values from the parameter lists.
        QTest::newRow("MP3 AMR bitrate, typed channels") << "-ar 48000 -y -ab 4.75kk -ac 0"
                                                         << "mp3"
                                                         << "mp3"
                                                         << ""
                                                         << "mp3"
                                                         << "";
        QTest::newRow("MP3 12050 Hz mono") << "-ar 12050 -y -ab 256k -ac 1"
                                           << "mp3"
                                           << "mp3"
                                           << ""
                                           << "mp3"
                                           << "sample_rate=12000";
        QTest::newRow("WMV 14.985 fps 720x306")
            << "-vcodec wmv2 -acodec wmav2 -r 14.985 -y -s 720x306"
            << "wmv"
            << "asf"
            << "wmv2"
            << "wmav2"
            << "";
        QTest::newRow("MOV 720x320") << "-y  -s 720x320"
                                     << "mov"
                                     << "qt"
                                     << "h264"
                                     << "aac"
                                     << "";
        QTest::newRow("MP4 1500 29.97 640x480") << "-b 1500 -y -r 29.97 -s 640x480"
                                                << "mp4"
                                                << "isom"
                                                << "h264"
                                                << "aac"
                                                << "";
        QTest::newRow("3GP 320x240 12.2k")
            << "-b 384 -y -r 25.0 -s 320x240 -acodec libamr_nb -ar 8000 -ab 12.2k"
            << "3gp"
            << "3gp"
            << ""
            << ""
            << "channels=1";
        QTest::newRow("3GP plain audio bitrate")
            << "-b 40 -y -r 29.97 -s 128x96 -acodec libamr_nb -ar 8000 -ab 96"
            << "3gp"
            << "3gp"
            << "h263"
            << ""
            << "channels=1";
        QTest::newRow("AVI 14.985 fps") << "-r 14.985 -y -s 640x272"
                                        << "mpg"
                                        << "mpeg"
                                        << "mpeg1video"
                                        << "mp2"
                                        << "r_frame_rate=24000/1001";
        QTest::newRow("AVI 23.975 fps 720x320") << "-r 23.975 -y -s 720x320"
                                                << "mpg"
                                                << "mpeg"
                                                << "mpeg1video"
                                                << "mp2"
                                                << "";
    }
    void convertsEveryProfile() {
        QFETCH(QString, options);
        QFETCH(QString, extension);
        QFETCH(QString, container);
        QFETCH(QString, videoCodec);
        QFETCH(QString, audioCodec);
        QFETCH(QString, detail);
        const QString output = work_.filePath("out." + extension);
        QFile::remove(output);
        // Split at single blanks, as a command line reaches the program.
        QProcess run;
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(coder_,
                  QStringList{"-i", shortSource_} + options.split(' ') + QStringList{output});
        QVERIFY(run.waitForFinished(180000));
        const QString log = QString::fromUtf8(run.readAll());
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, qPrintable(log));

        const QJsonObject probe = Probe(output);
        const QJsonObject format = probe["format"].toObject();
        const QString brand = format["tags"].toObject()["major_brand"].toString();
        QVERIFY2((brand.isEmpty() ? format["format_name"].toString() : brand).startsWith(container),
                 qPrintable(QJsonDocument(probe).toJson()));
        QVERIFY(qAbs(Duration(probe) - shortSeconds_) <= 0.5);
        const QJsonObject video = Stream(probe, "video");
        const QJsonObject audio = Stream(probe, "audio");
        QVERIFY(!audio.isEmpty());
        QCOMPARE(video.isEmpty(), extension == "mp3");
        if (!videoCodec.isEmpty())
            QCOMPARE(video["codec_name"].toString(), videoCodec);
        if (!audioCodec.isEmpty())
            QCOMPARE(audio["codec_name"].toString(), audioCodec);
        if (!detail.isEmpty()) {
            const QString key = detail.section('=', 0, 0);
            const QString want = detail.section('=', 1);
            const QJsonValue value = (key == "r_frame_rate" ? video : audio)[key];
            QCOMPARE(value.isString() ? value.toString() : QString::number(value.toInt()), want);
        }
    }

    void printsDurationAndSecondsAsItGoes() {
        const QString output = work_.filePath("progress.mp4");
        QProcess run;
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(coder_,
                  {"-i", longSource_, "-b", "512", "-y", "-r", "25.0", "-s", "320x240", output});
        QVERIFY(run.waitForStarted());
        QElapsedTimer clock;
        clock.start();
        QString printed;
        QList<qint64> arrivals; // when each "time=" came out
        while (run.state() != QProcess::NotRunning || run.bytesAvailable() > 0) {
            run.waitForReadyRead(200);
            const QString chunk = QString::fromUtf8(run.readAll());
            for (qsizetype at = chunk.indexOf("time="); at >= 0;
                 at = chunk.indexOf("time=", at + 1))
                arrivals << clock.elapsed();
            printed += chunk;
            QVERIFY(clock.elapsed() < 300000);
        }
        QCOMPARE(run.exitCode(), 0);

        static const QRegularExpression duration(R"(Duration: (\d\d):(\d\d):(\d\d\.\d+), )");
        const auto durations = printed.count("Duration: ");
        QCOMPARE(durations, 1);
        const auto match = duration.match(printed);
        QVERIFY2(match.hasMatch(), qPrintable(printed));
        const double seconds = match.captured(1).toInt() * 3600 + match.captured(2).toInt() * 60 +
                               match.captured(3).toDouble();
        QVERIFY(qAbs(seconds - longSeconds_) < 0.1);

        static const QRegularExpression time(R"(time=(\d+\.\d+) )");
        QList<double> times;
        for (const auto& found : time.globalMatch(printed))
            times << found.captured(1).toDouble();
        QCOMPARE(times.size(), printed.count("time="));
        QVERIFY(times.size() >= 2);
        QVERIFY(std::is_sorted(times.begin(), times.end()));
        QVERIFY(qAbs(times.last() - longSeconds_) <= 0.5);
        // ffmpeg reports twice a second; a coder that held its output back would show one burst.
        // The margin is for a busy machine.
        for (qsizetype i = 1; i < arrivals.size(); ++i)
            QVERIFY2(arrivals[i] - arrivals[i - 1] <= 1500,
                     qPrintable(QString("a gap of %1 ms").arg(arrivals[i] - arrivals[i - 1])));
    }

    void endingCoderEndsFfmpeg_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("killed by name (SIGKILL)") << int(SIGKILL);
        QTest::newRow("asked to end (SIGTERM)") << int(SIGTERM);
    }
    void endingCoderEndsFfmpeg() {
        QFETCH(int, signal);
        const QString output = work_.filePath("ended.mp4");
        QProcess run;
        run.setProcessChannelMode(QProcess::MergedChannels);
        // -re reads the input at its own pace, so the run lasts as long as the video.
        run.start(coder_, {"-re", "-i", longSource_, "-y", "-s", "320x240", output});
        QVERIFY(run.waitForStarted());
        QByteArray seen;
        QTRY_VERIFY_WITH_TIMEOUT((seen += run.readAll()).contains("time="), 30000);
        const qint64 ffmpeg = ChildOf(run.processId());
        QVERIFY2(ffmpeg > 0, seen.constData());
        QVERIFY(QFile::symLinkTarget(QString("/proc/%1/exe").arg(ffmpeg)).endsWith("ffmpeg"));

        ::kill(pid_t(run.processId()), signal);
        QTRY_VERIFY_WITH_TIMEOUT(!IsRunning(ffmpeg), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(run.state(), QProcess::NotRunning, 10000);
        if (signal == SIGTERM) {
            QCOMPARE(run.exitStatus(), QProcess::NormalExit);
            QVERIFY(run.exitCode() != 0);
            QVERIFY(!QFile::exists(output));
        }
    }

    void badInputFailsCleanly_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing input") << "absent.flv"
                                       << "-y -s 320x240"
                                       << "No such file or directory";
        QTest::newRow("not a video") << "notes.flv"
                                     << "-y -s 320x240"
                                     << "Invalid data found when processing input";
        QTest::newRow("frame size ffmpeg rejects") << "short.flv"
                                                   << "-y -s big"
                                                   << "Invalid frame size";
        QTest::newRow("frame rate ffmpeg rejects") << "short.flv"
                                                   << "-b 512 -y -r abc"
                                                   << "Invalid framerate value";
        QTest::newRow("unknown option") << "short.flv"
                                        << "-bogus 1 -y"
                                        << "bogus";
    }
    void badInputFailsCleanly() {
        QFETCH(QString, input);
        QFETCH(QString, options);
        QFETCH(QString, message);
        QFile notes(work_.filePath("notes.flv"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("just some text\n");
        notes.close();
        const QString output = work_.filePath("failed.mp4");
        QFile::remove(output);
        QProcess run;
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(coder_, QStringList{"-i", work_.filePath(input)} + options.split(' ') +
                              QStringList{output});
        QVERIFY(run.waitForFinished(60000));
        const QString log = QString::fromUtf8(run.readAll());
        QVERIFY(run.exitCode() != 0);
        QVERIFY2(log.contains(message), qPrintable(log));
        QVERIFY(!QFile::exists(output));
    }

    void failureKeepsAFileItDidNotWrite() {
        const QString output = work_.filePath("existing.mp3");
        QFile existing(output);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("keep me");
        existing.close();
        QProcess run;
        run.start(coder_, {"-i", shortSource_, "-ab", "96", output}); // no -y: ffmpeg refuses
        QVERIFY(run.waitForFinished(60000));
        QVERIFY(run.exitCode() != 0);
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("keep me"));
    }
};

QTEST_GUILESS_MAIN(TestCoder)
#include "tst_coder.moc"
