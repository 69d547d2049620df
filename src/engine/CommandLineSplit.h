#pragma once
// Turns one whole command line into a program and its arguments, without a shell, and writes
// values into a command line so that they come out of it unchanged. An unquoted program path
// may contain blanks, so the program is the longest blank-separated start of the line that
// names an existing file; the rest splits at blanks. Double quotes group blanks into one
// argument, and inside them a backslash keeps a following quote or backslash as it is.

#include <QString>
#include <QStringList>

#include <functional>

struct SplitCommand {
    QString program;
    QStringList arguments;

    bool operator==(const SplitCommand&) const = default;
};

// `value` as it must be written into a command line to reach the tool as exactly one argument:
// as it is when that is safe, otherwise quoted.
QString QuoteArgument(const QString& value);

// True for a path that names an existing file (links followed).
bool IsExistingFile(const QString& path);

SplitCommand SplitCommandLine(const QString& commandLine,
                              const std::function<bool(const QString&)>& isFile = IsExistingFile);
