#pragma once
// Where the program finds the video site, the feedback endpoint and its maker's page: read from
// site.ini ("SiteRoot=...", "FeedbackHost=...", "MakerSite=..."), built-in values for whatever
// the file does not give.

#include "ResolverChoice.h"

#include <QString>
#include <QStringList>

struct SiteSettings {
    QString SiteRoot = QStringLiteral("http://127.0.0.1:8080");
    QString FeedbackHost = QStringLiteral("http://127.0.0.1:8080");
    QString MakerSite = QStringLiteral("http://127.0.0.1:8080");
    // The keys whose value was not an http(s) address of a host, and so was not taken.
    QStringList Refused;
    // "Resolver=site" or "Resolver=yt-dlp"; by default the address decides.
    ResolverRule Resolver = ResolverRule::Automatic;
    // "ResolveSeconds=": how long the lookup or yt-dlp may take for one address.
    int ResolveSeconds = DefaultResolveSeconds;
};

// True for an http or https address of a host, with nothing after its path.
bool IsSiteAddress(const QString& value);

// site.ini in the configuration folder, else the one beside the program (ConfigFileToRead).
QString SiteSettingsPath(const QString& appDir);

// A missing file gives the built-in values; unknown keys and lines without "=" are passed over,
// and a trailing "/" is dropped so that the program's paths can be appended as they are. A
// value that is not a site address keeps the built-in value and is listed in Refused.
SiteSettings ReadSiteSettings(const QString& path);
