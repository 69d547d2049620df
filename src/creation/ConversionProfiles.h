#pragma once
// The seven output choices of a task, the six parameter lists they share, which parameters each
// choice uses with its presets, and the encoder command line built from them.

#include <QString>
#include <QStringList>

#include <array>

// Positions of the output choice in the add-task dialog's format list.
enum Profile {
    ProfileNone,
    ProfileMp3,
    ProfileWmv,
    ProfileMov,
    ProfileMp4,
    Profile3gp,
    ProfileAvi
};
inline constexpr int ProfileCount = 7;

// The six parameter combos, in the order they are enabled.
enum Param { ParamAB, ParamVBR, ParamSize, ParamFPS, ParamAR, ParamAC };
inline constexpr int ParamCount = 6;

QString ProfileItemText(int profile);
// What the encoder writes ("" for no conversion); AVI deliberately writes an MPEG file.
QString ProfileOutputExtension(int profile);
// "description|pattern" for the save dialog.
QString ProfileSaveFilter(int profile);

// The list items every profile offers for one parameter.
const QStringList& ParamItems(Param param);
QString ParamLabel(Param param);

// What a parameter combo holds: enabled or not, its text, and the list item selected
// (-1 when the text was typed rather than picked).
struct ParamState {
    bool enabled = false;
    QString text;
    int index = -1;
};
using ProfileParams = std::array<ParamState, ParamCount>;

// The dialog's starting point: everything disabled, the first item of every list selected.
ProfileParams InitialParams();

// One preset of a profile: select a list item (index >= 0), or put a text in.
struct ParamDefault {
    Param param;
    int index;
    QString text;
};

struct ProfileSetup {
    std::array<bool, ParamCount> enabled{};
    QList<ParamDefault> defaults;
};

// The enabled states and the presets of a profile, presets in the order they are applied.
ProfileSetup SetupForProfile(int profile);

// Enables the profile's parameters and presets them; disabled parameters keep their text.
void ApplyProfile(int profile, ProfileParams& params);

// The line the task keeps: "None" without conversion, otherwise the encoder call reading
// tempBase + ".flv" and writing tempBase + the profile's extension.
QString BuildEncoderCommand(int profile, const QString& appDir, const QString& tempBase,
                            const ProfileParams& params);
