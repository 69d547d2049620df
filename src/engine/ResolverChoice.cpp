#include "ResolverChoice.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

const QString YtDlpName = QStringLiteral("yt-dlp");

int EffectivePort(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.port(scheme == QLatin1String("https")  ? 443
                    : scheme == QLatin1String("http") ? 80
                                                      : -1);
}

} // namespace

ResolverRule ReadResolverRule(const QString& value) {
    if (value.compare(QLatin1String("site"), Qt::CaseInsensitive) == 0)
        return ResolverRule::Site;
    if (value.compare(YtDlpName, Qt::CaseInsensitive) == 0)
        return ResolverRule::YtDlp;
    return ResolverRule::Automatic;
}

bool IsOnSiteRoot(const QString& address, const QString& siteRoot) {
    const QUrl url(address.trimmed());
    const QUrl root(siteRoot);
    return url.isValid() && !url.host().isEmpty() &&
           url.scheme().compare(root.scheme(), Qt::CaseInsensitive) == 0 &&
           url.host().compare(root.host(), Qt::CaseInsensitive) == 0 &&
           EffectivePort(url) == EffectivePort(root);
}

ResolverKind ChooseResolver(const QString& address, const QString& siteRoot, ResolverRule rule) {
    switch (rule) {
    case ResolverRule::Site:
        return ResolverKind::Site;
    case ResolverRule::YtDlp:
        return ResolverKind::YtDlp;
    case ResolverRule::Automatic:
        break;
    }
    // Without a usable SiteRoot nothing can be said to lie outside it: the site's lookup keeps
    // every address, as it always has.
    const QUrl root(siteRoot);
    if (!root.isValid() || root.host().isEmpty())
        return ResolverKind::Site;
    return IsOnSiteRoot(address, siteRoot) ? ResolverKind::Site : ResolverKind::YtDlp;
}

QString FindYtDlp(const QString& appDir) {
    const QFileInfo shipped(appDir + QStringLiteral("/data/") + YtDlpName);
    if (shipped.isFile() && shipped.isExecutable())
        return shipped.absoluteFilePath();
    return QStandardPaths::findExecutable(YtDlpName);
}

QString YtDlpMissingReason(const QString& siteRoot, ResolverRule rule) {
    if (rule == ResolverRule::YtDlp)
        return QStringLiteral("yt-dlp is needed: site.ini sets Resolver=yt-dlp");
    return QStringLiteral("yt-dlp is needed for addresses outside ") + QUrl(siteRoot).host();
}
