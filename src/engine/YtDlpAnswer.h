#pragma once
// What yt-dlp's answer means for a task: the one direct media address it printed, or the reason
// in plain words why there is none. Kept apart from the process so the rules can be read (and
// tested) on their own.

#include <QByteArray>
#include <QString>

struct YtDlpAnswer {
    QString address; // empty when the task cannot go on
    QString failure; // why, when address is empty
};

// `output` is what yt-dlp printed on its standard output (one address a line), `errors` its
// standard error; `exitCode` is only looked at for a normal exit.
YtDlpAnswer ReadYtDlpAnswer(int exitCode, const QByteArray& output, const QByteArray& errors);

// The last line yt-dlp reported as an error, without its "ERROR: " prefix and the request to
// report a bug that follows some messages; empty when it printed none.
QString LastYtDlpError(const QByteArray& errors);
