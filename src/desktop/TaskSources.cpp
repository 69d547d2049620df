#include "TaskSources.h"

#include "AddressText.h"
#include "HiddenText.h"

#include <QMimeData>
#include <QStringList>
#include <QUrl>

namespace {
// Shorter texts cannot be a watch address and are dropped before the address test.
constexpr int kShortestAddress = 8;
} // namespace

ClipboardSource::ClipboardSource(HiddenText& txtMessage, QObject* parent)
    : QObject(parent), txtMessage_(txtMessage) {
    connect(&txtMessage_, &HiddenText::Changed, this, &ClipboardSource::OnMessageChanged);
}

void ClipboardSource::OnMessageChanged(const QString& text) {
    if (text.size() < kShortestAddress || !FitsAnOffer(text) || !IsWatchAddress(text))
        return;
    Q_EMIT AddressOffered(text);
    txtMessage_.SetText(QString());
}

std::optional<QString> DroppedText(const QMimeData& data) {
    // Browsers name their text "text/plain" with or without a character set.
    for (const QString& format : data.formats()) {
        if (format.startsWith(QLatin1String("text/plain"))) {
            const QString text = data.text();
            return FitsAnOffer(text) ? std::optional(text) : std::nullopt;
        }
    }
    QStringList addresses;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile())
            addresses.append(url.toString());
    }
    const QString text = addresses.join(QLatin1Char('\n'));
    if (addresses.isEmpty() || !FitsAnOffer(text))
        return std::nullopt;
    return text;
}
