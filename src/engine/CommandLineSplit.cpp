#include "CommandLineSplit.h"

#include <QFileInfo>

namespace {

QStringList SplitArguments(QStringView text) {
    QStringList arguments;
    QString current;
    bool inToken = false;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"') {
            quoted = !quoted;
            inToken = true;
        } else if (c == u' ' && !quoted) {
            if (inToken)
                arguments.append(current);
            current.clear();
            inToken = false;
        } else {
            current.append(c);
            inToken = true;
        }
    }
    if (inToken)
        arguments.append(current);
    return arguments;
}

} // namespace

bool IsExistingFile(const QString& path) {
    return QFileInfo(path).isFile();
}

SplitCommand SplitCommandLine(const QString& commandLine,
                              const std::function<bool(const QString&)>& isFile) {
    const QString line = commandLine.trimmed();
    if (line.startsWith(u'"')) {
        const qsizetype close = line.indexOf(u'"', 1);
        if (close < 0)
            return {line.mid(1), {}};
        return {line.mid(1, close - 1), SplitArguments(QStringView(line).mid(close + 1))};
    }
    // Try the whole line first, then each shorter start that ends before a blank.
    for (qsizetype end = line.size(); end > 0; end = line.lastIndexOf(u' ', end - 1)) {
        const QString candidate = line.left(end).trimmed();
        if (!candidate.isEmpty() && isFile(candidate))
            return {candidate, SplitArguments(QStringView(line).mid(end))};
    }
    // No start names a file: the first word is the program, so that starting it reports it
    // missing.
    QStringList words = SplitArguments(line);
    if (words.isEmpty())
        return {};
    const QString program = words.takeFirst();
    return {program, words};
}
