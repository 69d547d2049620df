#pragma once
// Links to the stand-in tool under chosen names, so that a test's processes carry the name the
// runner watches.

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class ToolLinks {
public:
    // The path of a link named `name` in `folder` (made on first use) to the stand-in tool.
    QString Link(const QString& name, const QString& folder = QStringLiteral("tools")) {
        const QString dir = root_.path() + u'/' + folder;
        QDir().mkpath(dir);
        const QString path = dir + u'/' + name;
        if (!QFile::exists(path))
            QFile::link(QStringLiteral(VLTOOL_PATH), path);
        return path;
    }

private:
    QTemporaryDir root_;
};
