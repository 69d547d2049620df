#include "DefaultIni.h"

#include <QFile>
#include <QSaveFile>

namespace {
QString IniPath(const QString& appDir) {
    return appDir + QStringLiteral("/default.ini");
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

QString ReadDefaultFolder(const QString& appDir) {
    QFile file(IniPath(appDir));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DefaultIniFolder(file.readAll());
}

void WriteDefaultFolder(const QString& appDir, const QString& folder) {
    QSaveFile file(IniPath(appDir));
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(DefaultIniRecord(folder));
    file.commit();
}
