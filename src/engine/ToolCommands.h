#pragma once
// The downloader's command line: the same for every way an address is resolved.

#include <QString>

// `appDir`/data/wg fetching `address` into `tempName`, resuming what is already there. Each
// value reaches the downloader as one argument, and the address can never be taken for an
// option.
QString DownloaderCommand(const QString& appDir, const QString& tempName, const QString& address);
