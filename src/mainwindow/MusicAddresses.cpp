#include "MusicAddresses.h"

#include <QUrl>

const QList<Genre>& Genres() {
    static const QList<Genre> genres = {
        {QStringLiteral("Rock"), 1, QStringLiteral("/browse?s=mp&c=10&l=&b=1")},
        {QStringLiteral("Pop"), 2, QStringLiteral("/browse?s=mp&c=10&l=&b=2")},
        {QStringLiteral("Rap & Hip-Hop"), 3, QStringLiteral("/browse?s=mp&c=10&l=&b=4")},
        {QStringLiteral("R & B & Soul"), 4, QStringLiteral("/browse?s=mp&c=10&l=&b=5")},
        {QStringLiteral("Country & Folk"), 5, QStringLiteral("/browse?s=mp&c=10&l=&b=6")},
        {QStringLiteral("Jazz"), 6, QStringLiteral("/browse?s=mp&c=10&l=&b=8")},
        {QStringLiteral("Classical"), 7, QStringLiteral("/browse?s=mp&c=10&l=&b=9")},
        {QStringLiteral("Religious"), 8, QStringLiteral("/browse?s=mp&c=10&l=&b=11")},
        {QStringLiteral("Blues"), 9, QStringLiteral("/browse?s=mp&c=10&l=&b=13")},
        {QStringLiteral("More/Other..."), 10, QStringLiteral("/browse?s=mp&c=10&l=&b=12")},
    };
    return genres;
}

QString StartPageAddress(const QString& siteRoot) {
    return siteRoot + QStringLiteral("/browse?s=mp&c=10");
}

QString GenreAddress(const QString& siteRoot, const Genre& genre) {
    return siteRoot + genre.browse;
}

QString SearchAddress(const QString& siteRoot, const QString& query) {
    return siteRoot + QStringLiteral("/results?search_query=") +
           QString::fromLatin1(QUrl::toPercentEncoding(query));
}
