#include "TextRules.h"

#include <QRegularExpression>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// The 0-based positions where `marker` starts with at least one character after it: a marker
// that ends the text leads nowhere.
QList<qsizetype> MarkerPositions(const QString& text, const QString& marker) {
    QList<qsizetype> positions;
    const qsizetype last = text.size() - marker.size() - 1;
    for (qsizetype at = text.indexOf(marker); at >= 0 && at <= last;
         at = text.indexOf(marker, at + 1))
        positions.append(at);
    return positions;
}

// The characters after the marker at `at` up to the next blank or the end.
QString WordAfter(const QString& text, qsizetype at, qsizetype markerLength) {
    const qsizetype start = at + markerLength;
    const qsizetype blank = text.indexOf(u' ', start);
    return text.mid(start, blank < 0 ? -1 : blank - start);
}

// To the nearest whole number, halves to the even one (the default rounding mode).
int RoundHalfEven(double value) {
    return int(std::nearbyint(value));
}

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

QString ValueAfterMarker(const QString& text, const QString& marker) {
    const QList<qsizetype> positions = MarkerPositions(text, marker);
    if (marker.isEmpty() || positions.isEmpty())
        return {};
    const qsizetype start = positions.first() + marker.size();
    qsizetype end = start;
    while (end < text.size() && text[end] != u'&' && text[end] != u'=')
        ++end;
    return text.mid(start, end - start);
}

double LeadingNumber(const QString& text) {
    QString packed;
    for (const QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            packed.append(c);
    }
    std::string number;
    qsizetype at = 0;
    if (at < packed.size() && (packed[at] == u'+' || packed[at] == u'-'))
        number += char(packed[at++].unicode());
    bool digits = false;
    bool point = false;
    for (; at < packed.size(); ++at) {
        const QChar c = packed[at];
        if (IsDigit(c)) {
            digits = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        number += char(c.unicode());
    }
    if (!digits)
        return 0;
    // An exponent counts only with digits after its letter.
    if (at + 1 < packed.size() && QStringLiteral("EeDd").contains(packed[at])) {
        qsizetype digit = at + 1;
        std::string exponent = "e";
        if (packed[digit] == u'+' || packed[digit] == u'-')
            exponent += char(packed[digit++].unicode());
        const qsizetype first = digit;
        while (digit < packed.size() && IsDigit(packed[digit]))
            exponent += char(packed[digit++].unicode());
        if (digit > first)
            number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

QString PercentText(double value) {
    return QString::number(value, 'g', 7).left(4);
}

QString ClockText(int seconds) {
    const QString n = QString::number(seconds);
    if (seconds < 60)
        return QStringLiteral("00:00:") + n;
    if (seconds < 3600)
        return QStringLiteral("00:%1:%2").arg(seconds / 60).arg(seconds % 60);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds % 3600 / 60)
        .arg(seconds % 60);
}

bool ContainsRetry(const QString& chunk) {
    return chunk.contains(QStringLiteral("retry"), Qt::CaseInsensitive);
}

qint64 AnnouncedLength(const QString& output) {
    static const QRegularExpression length(QStringLiteral("^Length: (\\d+)"),
                                           QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = length.match(output);
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

QList<std::optional<double>> DownloadPercentages(const QString& chunk) {
    QList<std::optional<double>> values;
    for (qsizetype at = chunk.indexOf(u'%'); at >= 0; at = chunk.indexOf(u'%', at + 1)) {
        if (at < 3)
            values.append(std::nullopt);
        else
            values.append(LeadingNumber(chunk.mid(at - 3, 3)));
    }
    return values;
}

EncoderReading ReadEncoderChunk(const QString& chunk, int& durationSeconds) {
    static const QString DurationMarker = QStringLiteral("Duration: ");
    static const QString TimeMarker = QStringLiteral("time=");
    // One text collects both readings, so a chunk holding the duration and a progress line
    // reads the duration's first field as its elapsed time.
    QString collected;
    if (durationSeconds == 0) {
        const QList<qsizetype> found = MarkerPositions(chunk, DurationMarker);
        for (const qsizetype at : found)
            collected += WordAfter(chunk, at, DurationMarker.size());
        const QStringList fields = collected.split(u':');
        if (!found.isEmpty() && fields.size() >= 3) {
            durationSeconds =
                RoundHalfEven(LeadingNumber(fields[0]) * 3600 + LeadingNumber(fields[1]) * 60 +
                              LeadingNumber(fields[2]));
        }
    }
    EncoderReading reading;
    for (const qsizetype at : MarkerPositions(chunk, TimeMarker)) {
        collected += WordAfter(chunk, at, TimeMarker.size());
        reading.timeFound = true;
    }
    if (reading.timeFound)
        reading.elapsedSeconds = RoundHalfEven(LeadingNumber(collected));
    return reading;
}

QString EncodeAddressPart(const QString& raw) {
    // Only well-formed escapes are decoded, so a lone "%" is itself encoded.
    const QByteArray bytes = raw.toUtf8();
    QByteArray decoded;
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        if (bytes[at] == '%' && at + 2 < bytes.size() && isxdigit(uchar(bytes[at + 1])) &&
            isxdigit(uchar(bytes[at + 2]))) {
            decoded.append(char(bytes.mid(at + 1, 2).toInt(nullptr, 16)));
            at += 2;
        } else {
            decoded.append(bytes[at]);
        }
    }
    return QString::fromLatin1(decoded.toPercentEncoding());
}
