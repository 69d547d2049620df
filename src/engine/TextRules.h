#pragma once
// The small text rules the engine reads tool output and addresses by. They are kept apart from
// the stages so that each can be checked against its own table of cases.

#include <QList>
#include <QString>

#include <optional>

// The characters after the first `marker` in `text` (exact letter case) up to the first "&" or
// "=", or to the end. Empty when the marker is missing or ends the text.
QString ValueAfterMarker(const QString& text, const QString& marker);

// Reads the number a text begins with: blanks, tabs and line feeds are dropped wherever they
// stand, then a sign, digits with one decimal point and an exponent (E or D) are read up to the
// first other character. A text without digits reads as 0.
double LeadingNumber(const QString& text);

// A progress value as the displays write it: at most seven significant digits, no trailing
// zeros, cut to four characters (5.853659 gives "5.85").
QString PercentText(double value);

// The elapsed-time text of `seconds`: "00:00:n", "00:m:s" or "h:m:s", with plain numbers.
QString ClockText(int seconds);

// True when the chunk holds "retry" in any letter case.
bool ContainsRetry(const QString& chunk);

// The size of the whole file as the downloader first announced it ("Length: N ..."), or -1
// when it announced none.
qint64 AnnouncedLength(const QString& output);

// One value for every "%" of a downloader chunk, read from the three characters before it; a
// "%" among the first three characters has no value.
QList<std::optional<double>> DownloadPercentages(const QString& chunk);

// What an encoder chunk says. `durationSeconds` is read only while it is 0, and set when the
// chunk holds "Duration: " with at least three fields.
struct EncoderReading {
    bool timeFound = false;
    int elapsedSeconds = 0;
};
EncoderReading ReadEncoderChunk(const QString& chunk, int& durationSeconds);

// An id or token taken from an address, made safe to put into another address or a command
// line: it is decoded once, then every character outside letters, digits and "-._~" is
// percent-encoded.
QString EncodeAddressPart(const QString& raw);
