#include "CommandLineSplit.h"

#include <QFileInfo>

namespace {

QStringList SplitArguments(QStringView text) {
    QStringList arguments;
    QString current;
    bool inToken = false;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (quoted && c == u'\\' && (next == u'"' || next == u'\\')) {
            current.append(next);
            ++i;
        } else if (c == u'"') {
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

QString QuoteArgument(const QString& value) {
    if (!value.isEmpty() && !value.contains(u' ') && !value.contains(u'"'))
        return value;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : value) {
        if (c == u'"' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    return quoted + u'"';
}

bool IsExistingFile(const QString& path) {
    return QFileInfo(path).isFile();
}

SplitCommand SplitCommandLine(const QString& commandLine,
                              const std::function<bool(const QString&)>& isFile) {
    const QString line = commandLine.trimmed();
    if (line.startsWith(u'"')) {
        QStringList words = SplitArguments(line);
        const QString program = words.takeFirst();
        return {program, words};
    }
    // Try the whole line first, then each shorter start that ends before a blank. A quote
    // belongs to an argument, so the program ends before the first one.
    const qsizetype firstQuote = line.indexOf(u'"');
    const qsizetype longest = firstQuote < 0 ? line.size() : line.lastIndexOf(u' ', firstQuote);
    for (qsizetype end = longest; end > 0; end = line.lastIndexOf(u' ', end - 1)) {
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
