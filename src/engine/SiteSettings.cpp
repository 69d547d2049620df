#include "SiteSettings.h"

#include <QFile>

QString SiteSettingsPath(const QString& appDir) {
    return appDir + QStringLiteral("/site.ini");
}

SiteSettings ReadSiteSettings(const QString& path) {
    SiteSettings settings;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return settings;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        QString value = line.mid(equals + 1).trimmed();
        while (value.endsWith(u'/'))
            value.chop(1);
        if (value.isEmpty())
            continue;
        if (key == QLatin1String("SiteRoot"))
            settings.SiteRoot = value;
        else if (key == QLatin1String("FeedbackHost"))
            settings.FeedbackHost = value;
        else if (key == QLatin1String("MakerSite"))
            settings.MakerSite = value;
    }
    return settings;
}
