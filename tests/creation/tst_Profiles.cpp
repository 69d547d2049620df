// Conversion profiles: which parameters each one enables and presets, and the encoder line.

#include "CommandLineSplit.h"
#include "ConversionProfiles.h"
#include "TestClasses.h"

#include <QTest>

namespace {

const QStringList kParamNames = {"AB", "VBR", "Size", "FPS", "AR", "AC"};

QString EnabledNames(const ProfileParams& params) {
    QStringList names;
    for (int p = 0; p < ParamCount; ++p)
        if (params[p].enabled)
            names << kParamNames[p];
    return names.join(u',');
}

QStringList Texts(const ProfileParams& params) {
    QStringList texts;
    for (const ParamState& state : params)
        texts << state.text;
    return texts;
}

// "AB= 128 " puts a typed text into a combo; "AC#1" picks list item 1.
void Override(ProfileParams& params, const QString& edit) {
    const qsizetype pick = edit.indexOf(u'#');
    if (pick > 0) {
        const Param param = Param(kParamNames.indexOf(edit.left(pick)));
        params[param].index = edit.mid(pick + 1).toInt();
        params[param].text = ParamItems(param).at(params[param].index);
        return;
    }
    const qsizetype eq = edit.indexOf(u'=');
    ParamState& state = params[kParamNames.indexOf(edit.left(eq))];
    state.text = edit.mid(eq + 1);
    state.index = -1;
}

} // namespace

class tst_Profiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void applyProfile_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("channelIndex");

        const QStringList initial = {"32", "40", "128x96", "14.985", "48000", "Stereo"};
        QTest::newRow("None") << QStringList{"0"} << "" << initial << 0;
        QTest::newRow("MP3") << QStringList{"1"} << "AB,AR,AC"
                             << QStringList{"96", "40", "128x96", "14.985", "48000", "Stereo"} << 0;
        QTest::newRow("WMV") << QStringList{"2"} << "AB,Size,FPS"
                             << QStringList{"80", "40", "320x240", "25.0", "48000", "Stereo"} << 0;
        QTest::newRow("MOV") << QStringList{"3"} << "Size"
                             << QStringList{"32", "40", "480x480", "14.985", "48000", "Stereo"}
                             << 0;
        QTest::newRow("MP4") << QStringList{"4"} << "AB,VBR,Size,FPS"
                             << QStringList{"80", "512", "320x240", "25.0", "48000", "Stereo"} << 0;
        QTest::newRow("3GP") << QStringList{"5"} << "AB,VBR,Size,FPS"
                             << QStringList{"4.75k", "120", "176x144", "14.985", "48000", "Stereo"}
                             << 0;
        QTest::newRow("AVI") << QStringList{"6"} << "Size,FPS"
                             << QStringList{"32", "40", "320x240", "25.0", "48000", "Stereo"} << 0;
        QTest::newRow("3GP then MOV keeps what MOV disables")
            << QStringList{"5", "3"} << "Size"
            << QStringList{"4.75k", "120", "480x480", "14.985", "48000", "Stereo"} << 0;
        QTest::newRow("None keeps every text")
            << QStringList{"4", "0"} << ""
            << QStringList{"80", "512", "320x240", "25.0", "48000", "Stereo"} << 0;
        QTest::newRow("back to MP3 resets its three")
            << QStringList{"1", "AB=7", "AR=9", "AC#1", "5", "1"} << "AB,AR,AC"
            << QStringList{"96", "120", "176x144", "14.985", "48000", "Stereo"} << 0;
        QTest::newRow("typed channel text survives WMV")
            << QStringList{"1", "AC=both", "2"} << "AB,Size,FPS"
            << QStringList{"80", "40", "320x240", "25.0", "48000", "both"} << -1;
    }

    void applyProfile() {
        QFETCH(QStringList, steps);
        ProfileParams params = InitialParams();
        for (const QString& step : steps) {
            bool isProfile = false;
            const int profile = step.toInt(&isProfile);
            if (isProfile)
                ApplyProfile(profile, params);
            else
                Override(params, step);
        }
        QTEST(EnabledNames(params), "enabled");
        QTEST(Texts(params), "texts");
        QTEST(params[ParamAC].index, "channelIndex");
    }

    void buildEncoderCommand_data() {
        QTest::addColumn<int>("profile");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("expected");

        QTest::newRow("None") << 0 << QStringList{} << "None";
        QTest::newRow("None whatever the combos show")
            << 0 << QStringList{"AB=96", "AC#1"} << "None";
        QTest::newRow("MP3") << 1 << QStringList{}
                             << "{P}/data/coder -i {T}.flv -ar 48000 -y -ab 96k -ac 2 {T}.mp3";
        QTest::newRow("MP3 mono") << 1 << QStringList{"AC#1"}
                                  << "{P}/data/coder -i {T}.flv -ar 48000 -y -ab 96k -ac 1 {T}.mp3";
        QTest::newRow("MP3 typed channel text")
            << 1 << QStringList{"AC=Stereo "}
            << "{P}/data/coder -i {T}.flv -ar 48000 -y -ab 96k -ac 0 {T}.mp3";
        QTest::newRow("MP3 trimmed, inner blanks kept")
            << 1 << QStringList{"AB=  128 ", "AR= 44 100  "}
            << "{P}/data/coder -i {T}.flv -ar \"44 100\" -y -ab 128k -ac 2 {T}.mp3";
        QTest::newRow("WMV ignores the audio bitrate")
            << 2 << QStringList{"AB=256"}
            << "{P}/data/coder -i {T}.flv -vcodec wmv2 -acodec wmav2 -r 25.0 -y -s 320x240 "
               "{T}.wmv";
        QTest::newRow("MOV double blank")
            << 3 << QStringList{} << "{P}/data/coder -i {T}.flv -y  -s 480x480 {T}.mov";
        QTest::newRow("MP4 ignores the audio bitrate")
            << 4 << QStringList{"AB=256"}
            << "{P}/data/coder -i {T}.flv -b 512 -y -r 25.0 -s 320x240 {T}.mp4";
        QTest::newRow("3GP") << 5 << QStringList{}
                             << "{P}/data/coder -i {T}.flv -b 120 -y -r 14.985 -s 176x144 "
                                "-acodec libamr_nb -ar 8000 -ab 4.75k {T}.3gp";
        QTest::newRow("3GP adds no k") << 5 << QStringList{"AB#4"}
                                       << "{P}/data/coder -i {T}.flv -b 120 -y -r 14.985 -s "
                                          "176x144 -acodec libamr_nb -ar 8000 -ab 96 {T}.3gp";
        QTest::newRow("AVI writes mpg")
            << 6 << QStringList{"Size=640x480 "}
            << "{P}/data/coder -i {T}.flv -r 25.0 -y -s 640x480 {T}.mpg";
        QTest::newRow("typed frame size passes unchecked")
            << 6 << QStringList{"Size=big"}
            << "{P}/data/coder -i {T}.flv -r 25.0 -y -s big {T}.mpg";
    }

    void buildEncoderCommand() {
        QFETCH(int, profile);
        QFETCH(QStringList, edits);
        QFETCH(QString, expected);
        const QString appDir = "/opt/Vid Lark";
        const QString tempBase = "/home/u/.cache/vidlark/tmpDownload/12_8_9_5_3";

        ProfileParams params = InitialParams();
        ApplyProfile(profile, params);
        for (const QString& edit : edits)
            Override(params, edit);

        // The program's folder holds a blank, so its path is quoted.
        expected.replace("{P}/data/coder", "\"" + appDir + "/data/coder\"")
            .replace("{T}", tempBase);
        QCOMPARE(BuildEncoderCommand(profile, appDir, tempBase, params), expected);
    }

    // Whatever a value holds, the split line gives it back as one argument in its place.
    void everyValueReachesTheEncoderWhole_data() {
        QTest::addColumn<QString>("appDir");
        QTest::addColumn<QString>("tempBase");
        QTest::addColumn<QString>("frameSize");

        QTest::newRow("plain") << "/opt/vidlark"
                               << "/tmp/dl/1_2_3"
                               << "320x240";
        QTest::newRow("size typed with options and a path") << "/opt/vidlark"
                                                            << "/tmp/dl/1_2_3"
                                                            << "320x240 -t 1 /home/u/x.mp4";
        QTest::newRow("blanks, quotes and other letters in the folders")
            << R"(/home/Ann "Lee"/app)"
            << "/home/Ann Lee/.cache/Über \\ \"q\"/1_2_3"
            << "-t";
        QTest::newRow("empty value") << "/opt/vidlark"
                                     << "/tmp/dl/1_2_3"
                                     << "";
    }

    void everyValueReachesTheEncoderWhole() {
        QFETCH(QString, appDir);
        QFETCH(QString, tempBase);
        QFETCH(QString, frameSize);
        ProfileParams params = InitialParams();
        ApplyProfile(ProfileAvi, params);
        params[ParamSize].text = frameSize;

        const QString coder = appDir + "/data/coder";
        const SplitCommand split =
            SplitCommandLine(BuildEncoderCommand(ProfileAvi, appDir, tempBase, params),
                             [&](const QString& path) { return path == coder; });
        QCOMPARE(split.program, coder);
        QCOMPARE(split.arguments, (QStringList{"-i", tempBase + ".flv", "-r", "25.0", "-y", "-s",
                                               frameSize, tempBase + ".mpg"}));
    }

    void workedExample() {
        ProfileParams params = InitialParams();
        ApplyProfile(ProfileMp3, params);
        QCOMPARE(BuildEncoderCommand(ProfileMp3, "/home/u/Tools/App", "/tmp/dl/12_8_9_5_3", params),
                 "/home/u/Tools/App/data/coder -i /tmp/dl/12_8_9_5_3.flv -ar 48000 -y -ab 96k "
                 "-ac 2 /tmp/dl/12_8_9_5_3.mp3");
    }
};

CREATION_TEST(tst_Profiles)
#include "tst_Profiles.moc"
