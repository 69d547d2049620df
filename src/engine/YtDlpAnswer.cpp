#include "YtDlpAnswer.h"

#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

namespace {

// yt-dlp's words when the format selector matched nothing.
const QLatin1String NoFormatMarker("Requested format is not available");

QStringList Lines(const QByteArray& text) {
    QStringList lines;
    for (const QString& line : QString::fromUtf8(text).split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            lines.append(trimmed);
    }
    return lines;
}

bool IsDownloadable(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

} // namespace

QString LastYtDlpError(const QByteArray& errors) {
    const QLatin1String prefix("ERROR: ");
    const QStringList lines = Lines(errors);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (!line->startsWith(prefix))
            continue;
        QString message = line->mid(prefix.size()).trimmed();
        // Some messages end in "; please report this issue on ...": no help to our user, and
        // the README says how to get a current yt-dlp.
        const qsizetype report =
            message.indexOf(QLatin1String("please report this issue"), 0, Qt::CaseInsensitive);
        if (report > 0)
            message = message.left(report).trimmed();
        // "(caused by <HTTPError 404: 'Not Found'>)" repeats what the message says, in Python.
        const qsizetype cause = message.lastIndexOf(QLatin1String(" (caused by "));
        if (cause > 0)
            message = message.left(cause).trimmed();
        while (message.endsWith(u';') || message.endsWith(u','))
            message.chop(1);
        // "[generic] None: " names yt-dlp's extractor and its id for the video, not the fault.
        static const QRegularExpression extractor(QStringLiteral("^\\[[^\\]]+\\] [^ ]*: "));
        const QString plain = message.mid(extractor.match(message).capturedLength());
        return plain.isEmpty() ? message : plain;
    }
    return {};
}

YtDlpAnswer ReadYtDlpAnswer(int exitCode, const QByteArray& output, const QByteArray& errors) {
    if (exitCode != 0) {
        const QString error = LastYtDlpError(errors);
        if (error.contains(NoFormatMarker))
            return {{},
                    QStringLiteral("The video has no single file with both picture and "
                                   "sound.")};
        if (!error.isEmpty())
            return {{}, QStringLiteral("yt-dlp: ") + error};
        const QStringList said = Lines(errors);
        if (!said.isEmpty())
            return {{}, QStringLiteral("yt-dlp: ") + said.last()};
        return {{}, QStringLiteral("yt-dlp ended with exit code %1.").arg(exitCode)};
    }
    const QStringList addresses = Lines(output);
    if (addresses.isEmpty())
        return {{}, QStringLiteral("yt-dlp found no video at this address.")};
    if (addresses.size() > 1)
        return {{},
                QStringLiteral("yt-dlp found %1 videos at this address; a task takes one.")
                    .arg(addresses.size())};
    if (!IsDownloadable(addresses.first()))
        return {{}, QStringLiteral("yt-dlp gave an address the downloader cannot fetch.")};
    return {addresses.first(), {}};
}
