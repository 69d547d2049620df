#pragma once
// Turns one whole command line into a program and its arguments, without a shell. The program
// path may contain blanks and is written without quotes, so the program is the longest
// blank-separated start of the line that names an existing file; the rest splits at blanks,
// and double quotes group blanks into one argument.

#include <QString>
#include <QStringList>

#include <functional>

struct SplitCommand {
    QString program;
    QStringList arguments;

    bool operator==(const SplitCommand&) const = default;
};

// True for a path that names an existing file (links followed).
bool IsExistingFile(const QString& path);

SplitCommand SplitCommandLine(const QString& commandLine,
                              const std::function<bool(const QString&)>& isFile = IsExistingFile);
