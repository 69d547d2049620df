#pragma once
// setup.ini: the user's two preferences, one decimal integer a line. Start-up and the settings
// dialog read it through the same function so they can never disagree about what a line means.

#include <QString>

struct SettingsValues {
    // Index chosen for "After downloading": 0 opens the folder, anything else does nothing.
    int AfterDownload = 0;
    // Index chosen for the drag zone: 0 shows it, anything else hides it.
    int DragZone = 0;
};

// configDir + "/setup.ini"; the program passes ConfigDir().
QString SettingsPath(const QString& configDir);

// A missing, empty or unreadable file, and any line that is not a plain integer, count as 0.
// Numbers too large for an int saturate, so they stay non-zero and out of every box's range.
SettingsValues ReadSettings(const QString& path);

// Writes both lines whole, each ended by CR LF. The old file is replaced only once the new one
// is complete on disk; on failure it is left untouched and false comes back.
bool WriteSettings(const QString& path, const SettingsValues& values);
