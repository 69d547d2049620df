#pragma once
// Which resolver turns a task's watch address into the address the downloader fetches: the
// site's own lookup for addresses on SiteRoot, yt-dlp for every other site. site.ini's
// "Resolver=" may fix the choice for every address.

#include <QString>

// How long the site's lookup or yt-dlp may take for one address, unless site.ini says.
inline constexpr int DefaultResolveSeconds = 30;

enum class ResolverRule { Automatic, Site, YtDlp };
enum class ResolverKind { Site, YtDlp };

// "site" and "yt-dlp" (in any letter case) fix the choice; anything else leaves it automatic.
ResolverRule ReadResolverRule(const QString& value);

// True when `address` has the scheme, host and port of `siteRoot` (a missing port is the
// scheme's own).
bool IsOnSiteRoot(const QString& address, const QString& siteRoot);

// By `rule`, or when it is automatic by the address: yt-dlp for an address outside a usable
// SiteRoot, the site's lookup otherwise.
ResolverKind ChooseResolver(const QString& address, const QString& siteRoot, ResolverRule rule);

// The yt-dlp to run: `appDir`/data/yt-dlp when there is one, else yt-dlp on PATH; empty when
// there is none.
QString FindYtDlp(const QString& appDir);

// The failure of a task that needs yt-dlp when none is there.
QString YtDlpMissingReason(const QString& siteRoot, ResolverRule rule);
