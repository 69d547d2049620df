#pragma once
// default.ini in the configuration folder remembers the folder of the last queued task's output
// path, as one quoted field. A quote inside the folder is written doubled and read back as one, so
// any folder name survives the round trip.

#include <QString>

// The record as written: the folder in double quotes, then CR LF.
QByteArray DefaultIniRecord(const QString& folder);
// The first field of the record: quoted up to its closing quote, or unquoted up to the first
// comma or line end without surrounding blanks.
QString DefaultIniFolder(const QByteArray& content);

// Missing or unreadable files read as "".
QString ReadDefaultFolder(const QString& configDir);
// Makes the configuration folder when it is missing. A file that cannot be written is left as
// it is.
void WriteDefaultFolder(const QString& configDir, const QString& folder);
