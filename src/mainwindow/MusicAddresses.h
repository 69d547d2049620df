#pragma once
// The music section of the video site: the genre table of the category tree and the addresses
// the browser opens, all hung off the site's root address.

#include <QList>
#include <QString>

struct Genre {
    QString text;
    int icon;       // 1 to 10 in the tree's image list; 11 is the root's
    QString browse; // the part after the site root
};

// The genres in tree order (tree nodes 2 to 11).
const QList<Genre>& Genres();

constexpr int RootIcon = 11;
inline QString RootText() {
    return QStringLiteral("Category");
}

QString StartPageAddress(const QString& siteRoot);
QString GenreAddress(const QString& siteRoot, const Genre& genre);

// The query is percent-encoded, so "rock & roll" or "#1 hits" reach the site whole.
QString SearchAddress(const QString& siteRoot, const QString& query);
