#pragma once
// Where the program finds the video site, the feedback endpoint and its maker's page: read from
// AppDir/site.ini ("SiteRoot=...", "FeedbackHost=...", "MakerSite=..."), built-in values for
// whatever the file does not give.

#include <QString>

struct SiteSettings {
    QString SiteRoot = QStringLiteral("http://127.0.0.1:8080");
    QString FeedbackHost = QStringLiteral("http://127.0.0.1:8080");
    QString MakerSite = QStringLiteral("http://127.0.0.1:8080");
};

// AppDir + "/site.ini".
QString SiteSettingsPath(const QString& appDir);

// A missing file gives the built-in values; unknown keys and lines without "=" are passed over,
// and a trailing "/" is dropped so that the program's paths can be appended as they are.
SiteSettings ReadSiteSettings(const QString& path);
