#include "DefaultIni.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
QString IniPath(const QString& configDir) {
    return configDir + QStringLiteral("/default.ini");
}
} // namespace

QByteArray DefaultIniRecord(const QString& folder) {
    QString quoted = folder;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return '"' + quoted.toUtf8() + "\"\r\n";
}

QString DefaultIniFolder(const QByteArray& content) {
    const QString text = QString::fromUtf8(content);
    qsizetype at = 0;
    while (at < text.size() && text.at(at) == u' ')
        ++at;

    if (at < text.size() && text.at(at) == u'"') {
        // A quoted field may run over line ends: a folder name can hold one.
        QString field;
        for (++at; at < text.size(); ++at) {
            if (text.at(at) != u'"') {
                field += text.at(at);
            } else if (at + 1 < text.size() && text.at(at + 1) == u'"') {
                field += u'"';
                ++at;
            } else {
                break;
            }
        }
        return field;
    }

    qsizetype end = at;
    while (end < text.size() && text.at(end) != u',' && text.at(end) != u'\r' &&
           text.at(end) != u'\n')
        ++end;
    return text.mid(at, end - at).trimmed();
}

QString ReadDefaultFolder(const QString& configDir) {
    QFile file(IniPath(configDir));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DefaultIniFolder(file.readAll());
}

void WriteDefaultFolder(const QString& configDir, const QString& folder) {
    QDir().mkpath(configDir);
    QSaveFile file(IniPath(configDir));
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(DefaultIniRecord(folder));
    file.commit();
}
