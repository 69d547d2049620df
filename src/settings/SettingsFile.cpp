#include "SettingsFile.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QSaveFile>

#include <limits>

namespace {

// Two short lines are all the file ever holds; a huge or binary file is not read to its end.
constexpr qint64 ReadLimit = 64 * 1024;

int ParseValue(QByteArray text) {
    text = text.trimmed();
    bool negative = false;
    if (text.startsWith('-')) {
        negative = true;
        text.remove(0, 1);
    }
    if (text.isEmpty())
        return 0;
    long long value = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9')
            return 0;
        value = value * 10 + (digit - '0');
        if (value > std::numeric_limits<int>::max())
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace

QString SettingsPath(const QString& configDir) {
    return configDir + QStringLiteral("/setup.ini");
}

SettingsValues ReadSettings(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray text = file.read(ReadLimit);
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    const QList<QByteArray> lines = text.split('\n');
    SettingsValues values;
    values.AfterDownload = ParseValue(lines.value(0));
    values.DragZone = ParseValue(lines.value(1));
    return values;
}

bool WriteSettings(const QString& path, const SettingsValues& values) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = QByteArray::number(values.AfterDownload) + "\r\n" +
                            QByteArray::number(values.DragZone) + "\r\n";
    // commit() does not notice a short write when it flushes the buffer itself (a full disk
    // would pass as success and leave a cut-off file), so flush first and give up on any error;
    // the unfinished temporary file goes away with the QSaveFile.
    if (file.write(text) != text.size() || !file.flush())
        return false;
    return file.commit();
}
