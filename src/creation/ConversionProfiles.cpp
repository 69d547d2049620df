#include "ConversionProfiles.h"

#include "CommandLineSplit.h"

namespace {

struct ProfileRow {
    const char* itemText;
    const char* extension;
    const char* saveFilter;
};

const ProfileRow kProfiles[ProfileCount] = {
    {"None(*.flv)", "", "FLV file(*.FLV)|*.flv"},
    {"MP3(*.MP3) - MP3 Music File[Audio Only]", ".mp3", "MP3 file(*.MP3)|*.mp3"},
    {"WMV(*.wmv) - WMV/Zune/PocketPC", ".wmv", "WMV(*.wmv) - WMV/Zune/PocketPC|*.wmv"},
    {"MOV(*.mov) - QuickTime/iPod/iPhone", ".mov", "MOV(*.mov) - QuickTime|*.mov"},
    {"MP4(*.mp4) - PSP/MP4 Player", ".mp4", "MP4(*.mp4) - iPod/PSP/iPhone|*.mp4"},
    {"3GP(*.3gp) - Cell Phone", ".3gp", "3GP(*.3gp) - Mobile|*.3gp"},
    {"AVI(*.avi) - Windows Media Player AVI", ".mpg", "AVI file(*.AVI)|*.avi"},
};

bool IsProfile(int profile) {
    return profile >= 0 && profile < ProfileCount;
}

// Only blanks go; a tab or any other character is the user's and stays.
QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

int ChannelCount(const ParamState& channels) {
    switch (channels.index) {
    case 0:
        return 2; // Stereo
    case 1:
        return 1; // Mono
    default:
        return 0;
    }
}

} // namespace

QString ProfileItemText(int profile) {
    return IsProfile(profile) ? QString::fromLatin1(kProfiles[profile].itemText) : QString();
}

QString ProfileOutputExtension(int profile) {
    return IsProfile(profile) ? QString::fromLatin1(kProfiles[profile].extension) : QString();
}

QString ProfileSaveFilter(int profile) {
    return IsProfile(profile) ? QString::fromLatin1(kProfiles[profile].saveFilter) : QString();
}

const QStringList& ParamItems(Param param) {
    static const std::array<QStringList, ParamCount> items = {
        QStringList{"32", "48", "64", "80", "96", "128", "256", "4.75k", "5.15k", "5.9k", "6.7k",
                    "7.4k", "7.95k", "10.2k", "12.2k"},
        QStringList{"40", "80", "120", "128", "256", "384", "512", "600", "640", "768", "800",
                    "900", "1000", "1500"},
        QStringList{"128x96", "160x120", "176x144", "320x180", "320x240", "352x288", "640x272",
                    "480x480", "640x360", "640x480", "720x306", "720x320"},
        QStringList{"14.985", "23.975", "25.0", "29.97"},
        QStringList{"48000", "44100", "32000", "24000", "22050", "16000", "12050", "8000"},
        QStringList{"Stereo", "Mono"},
    };
    return items[param];
}

QString ParamLabel(Param param) {
    static const std::array<const char*, ParamCount> labels = {
        "Audio Bitrate (Kbps):", "Video Bitrate (Kbps):", "Screen Size (Width x Height):",
        "Frame Rate (FPS):",     "Audio Rate (Hz):",      "Audio Channel (Stereo/Mono):",
    };
    return QString::fromLatin1(labels[param]);
}

ProfileParams InitialParams() {
    ProfileParams params;
    for (int p = 0; p < ParamCount; ++p)
        params[p] = {false, ParamItems(Param(p)).first(), 0};
    return params;
}

ProfileSetup SetupForProfile(int profile) {
    //                 AB     VBR    Size   FPS    AR     AC
    switch (profile) {
    case ProfileMp3:
        return {{true, false, false, false, true, true},
                {{ParamAB, -1, "96"}, {ParamAR, 0, {}}, {ParamAC, 0, {}}}};
    case ProfileWmv:
        return {{true, false, true, true, false, false},
                {{ParamFPS, 2, {}}, {ParamSize, 4, {}}, {ParamAB, 3, {}}}};
    case ProfileMov:
        return {{false, false, true, false, false, false}, {{ParamSize, 7, {}}}};
    case ProfileMp4:
        return {{true, true, true, true, false, false},
                {{ParamSize, 4, {}}, {ParamFPS, 2, {}}, {ParamVBR, 6, {}}, {ParamAB, 3, {}}}};
    case Profile3gp:
        return {{true, true, true, true, false, false},
                {{ParamSize, 2, {}}, {ParamFPS, 0, {}}, {ParamVBR, 2, {}}, {ParamAB, -1, "4.75k"}}};
    case ProfileAvi:
        return {{false, false, true, true, false, false}, {{ParamSize, 4, {}}, {ParamFPS, 2, {}}}};
    default:
        return {};
    }
}

void ApplyProfile(int profile, ProfileParams& params) {
    const ProfileSetup setup = SetupForProfile(profile);
    for (int p = 0; p < ParamCount; ++p)
        params[p].enabled = setup.enabled[p];
    for (const ParamDefault& preset : setup.defaults) {
        ParamState& state = params[preset.param];
        const QStringList& items = ParamItems(preset.param);
        if (preset.index >= 0) {
            state.index = preset.index;
            state.text = items.at(preset.index);
        } else {
            state.text = preset.text;
            state.index = items.indexOf(preset.text);
        }
    }
}

QString BuildEncoderCommand(int profile, const QString& appDir, const QString& tempBase,
                            const ProfileParams& params) {
    if (profile <= ProfileNone || profile >= ProfileCount)
        return QStringLiteral("None");

    const QString audioBitrateText = TrimBlanks(params[ParamAB].text);
    const QString audioBitrate = QuoteArgument(audioBitrateText);
    const QString videoBitrate = QuoteArgument(TrimBlanks(params[ParamVBR].text));
    const QString frameSize = QuoteArgument(TrimBlanks(params[ParamSize].text));
    const QString frameRate = QuoteArgument(TrimBlanks(params[ParamFPS].text));
    const QString audioRate = QuoteArgument(TrimBlanks(params[ParamAR].text));
    const QString channels = QString::number(ChannelCount(params[ParamAC]));
    // Every value reaches the encoder as one argument, whatever blanks or quotes it holds.
    const auto file = [&tempBase](const char* extension) {
        return QuoteArgument(tempBase + QLatin1String(extension));
    };

    QString line = QuoteArgument(appDir + "/data/coder") + " -i " + file(".flv");
    switch (profile) {
    case ProfileMp3:
        line += " -ar " + audioRate + " -y -ab " + QuoteArgument(audioBitrateText + "k") + " -ac " +
                channels + " " + file(".mp3");
        break;
    case ProfileWmv:
        line += " -vcodec wmv2 -acodec wmav2 -r " + frameRate + " -y -s " + frameSize + " " +
                file(".wmv");
        break;
    case ProfileMov:
        line += QString(" -y ") + " -s " + frameSize + " " + file(".mov");
        break;
    case ProfileMp4:
        line +=
            " -b " + videoBitrate + " -y -r " + frameRate + " -s " + frameSize + " " + file(".mp4");
        break;
    case Profile3gp:
        line += " -b " + videoBitrate + " -y -r " + frameRate + " -s " + frameSize +
                " -acodec libamr_nb -ar 8000 -ab " + audioBitrate + " " + file(".3gp");
        break;
    case ProfileAvi:
        line += " -r " + frameRate + " -y -s " + frameSize + " " + file(".mpg");
        break;
    }
    return line;
}
