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
    if (text.size() < kShortestAddress || !IsWatchAddress(text))
        return;
    Q_EMIT AddressOffered(text);
    txtMessage_.SetText(QString());
}

std::optional<QString> DroppedText(const QMimeData& data) {
    // Browsers name their text "text/plain" with or without a character set.
    for (const QString& format : data.formats()) {
        if (format.startsWith(QLatin1String("text/plain")))
            return data.text();
    }
    QStringList addresses;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile())
            addresses.append(url.toString());
    }
    if (addresses.isEmpty())
        return std::nullopt;
    return addresses.join(QLatin1Char('\n'));
}
