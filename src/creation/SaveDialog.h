#pragma once
// The save-file dialog through which a task gets its output path. It opens window-modal and
// answers through a callback, so no handler waits inside a nested event loop.

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The folder the dialog opens in: appDir (the home folder for an installed copy) when the
// folder is blank or does not exist. The result ends with "/".
QString SaveDialogStartFolder(const QString& folder, const QString& appDir);

// "description|pattern|description|pattern..." as the dialog's name filters.
QStringList SaveDialogNameFilters(const QString& filter);

// True when every description already names its own pattern ("MP3 file(*.MP3)" for "*.mp3"):
// the dialog then shows the descriptions alone, so no pattern is shown twice.
bool DescriptionsNamePatterns(const QString& filter);

// The path with the pattern's extension added when the name lacks it ("*.mp3": "x" -> "x.mp3",
// "x.txt" -> "x.txt.mp3", "x.MP3" stays).
QString AddMissingExtension(const QString& path, const QString& pattern);

struct SaveDialogRequest {
    QString title;
    QString initialFolder; // as remembered; the start folder rules are applied on showing
    QString filter;
};

// Receives the chosen path, or "" when the user cancels.
using SaveDialogDone = std::function<void(const QString& path)>;
using SaveDialogSeam =
    std::function<void(QWidget* owner, const SaveDialogRequest& request, SaveDialogDone done)>;

// The real dialog: no overwrite prompt, the first filter preselected.
void ShowSaveDialog(QWidget* owner, const SaveDialogRequest& request, const QString& appDir,
                    SaveDialogDone done);
