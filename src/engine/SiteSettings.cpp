#include "SiteSettings.h"

#include "ConfigLocation.h"

#include <QFile>
#include <QUrl>

namespace {

// A whole number of seconds from 1 to an hour; anything else keeps the default.
int ReadResolveSeconds(const QString& value) {
    bool ok = false;
    const int seconds = value.toInt(&ok);
    return ok && seconds >= 1 && seconds <= 3600 ? seconds : DefaultResolveSeconds;
}

} // namespace

QString SiteSettingsPath(const QString& appDir) {
    return ConfigFileToRead(appDir, QStringLiteral("site.ini"));
}

bool IsSiteAddress(const QString& value) {
    // The address is the start of others the program builds and hands to its tools, so it
    // may hold nothing that could end it early or be read as something else.
    for (const QChar c : value)
        if (c.isSpace() || c == u'"' || c == u'\\' || c.category() == QChar::Other_Control)
            return false;
    const QUrl url(value, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty() && url.userInfo().isEmpty() && !url.hasQuery() &&
           !url.hasFragment();
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
        if (key == QLatin1String("Resolver")) {
            settings.Resolver = ReadResolverRule(value);
            continue;
        }
        if (key == QLatin1String("ResolveSeconds")) {
            settings.ResolveSeconds = ReadResolveSeconds(value);
            continue;
        }
        QString* address = key == QLatin1String("SiteRoot")       ? &settings.SiteRoot
                           : key == QLatin1String("FeedbackHost") ? &settings.FeedbackHost
                           : key == QLatin1String("MakerSite")    ? &settings.MakerSite
                                                                  : nullptr;
        if (!address)
            continue;
        if (IsSiteAddress(value))
            *address = value;
        else if (!settings.Refused.contains(key))
            settings.Refused.append(key);
    }
    return settings;
}
