#include "ToolFailures.h"

#include "AppPaths.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// The longest tool line a notice repeats.
constexpr int MaxQuotedLength = 200;

// The last line of `output` that is not a progress line.
QString LastMessageLine(const QString& output) {
    static const QRegularExpression lineEnds(QStringLiteral("[\r\n]"));
    const QStringList lines = output.split(lineEnds, Qt::SkipEmptyParts);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        const QString text = line->trimmed();
        if (!text.isEmpty() && !text.contains(QLatin1String("time=")) &&
            !text.startsWith(QLatin1String("Duration:")))
            return text.left(MaxQuotedLength);
    }
    return {};
}

} // namespace

QString DownloaderFailure(const ToolExit& exit) {
    if (exit.signalled)
        return QStringLiteral("The download was stopped before it was complete.");
    switch (exit.code) {
    case 2:
        return QStringLiteral("The downloader could not read its command line.");
    case 3:
        return QStringLiteral("The download could not be written to the temporary folder (is "
                              "the disk full?).");
    case 4:
        return QStringLiteral("The network failed during the download.");
    case 5:
        return QStringLiteral("The site's secure connection could not be verified.");
    case 6:
        return QStringLiteral("The site asked for a user name and password.");
    case 7:
        return QStringLiteral("The site did not answer as a web server should.");
    case 8:
        return QStringLiteral("The site answered with an error: the video is gone or its "
                              "address has expired.");
    default:
        return QStringLiteral("The download failed (the downloader ended with code %1).")
            .arg(exit.code);
    }
}

QString IncompleteDownload(qint64 arrived, qint64 announced) {
    return QStringLiteral("The download ended before the whole file had arrived (%1 of %2 bytes).")
        .arg(arrived)
        .arg(announced);
}

QString EncoderFailure(const ToolExit& exit, const QString& output) {
    QString reason = exit.signalled
                         ? QStringLiteral("The conversion was stopped before it was complete.")
                         : QStringLiteral("The conversion failed (the encoder ended with code %1).")
                               .arg(exit.code);
    const QString said = LastMessageLine(output);
    if (!exit.signalled && !said.isEmpty())
        reason += QStringLiteral(" The encoder said: ") + said;
    return reason;
}

QString TempDirFailure() {
    return QStringLiteral("The download folder %1 cannot be used: it could not be made, or it is "
                          "a link or another user's folder.")
        .arg(TempDir());
}
