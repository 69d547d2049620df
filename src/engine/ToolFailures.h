#pragma once
// What the user is told when a tool gives up on a task, in plain words.

#include "ToolExit.h"

#include <QString>
#include <QtGlobal>

// The downloader's documented exit codes, and an end by a signal.
QString DownloaderFailure(const ToolExit& exit);

// The downloader ended content, but fewer bytes arrived than the site announced.
QString IncompleteDownload(qint64 arrived, qint64 announced);

// The encoder's end, with the last thing it said when that explains it.
QString EncoderFailure(const ToolExit& exit, const QString& output);

// The download folder was found unsafe right before a tool was to write into it.
QString TempDirFailure();
