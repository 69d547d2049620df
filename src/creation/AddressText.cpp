#include "AddressText.h"

bool IsWatchAddress(const QString& text) {
    static const QString marker = QStringLiteral("watch?v=");
    const qsizetype at = text.indexOf(marker, 0, Qt::CaseSensitive);
    return at >= 0 && at + marker.size() < text.size();
}

bool FitsAnOffer(const QString& text) {
    constexpr qsizetype longest = 8 * 1024;
    // Every character takes at least one byte, so a longer text needs no converting.
    return text.size() <= longest && text.toUtf8().size() <= longest;
}

QString ExtractFileName(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString FolderOfPath(const QString& path) {
    return path.left(path.size() - ExtractFileName(path).size());
}
