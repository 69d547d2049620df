#pragma once
// The outside tools: where they live and the process names the program watches and ends them
// by.

#include "AppPaths.h"

#include <QString>

namespace Tools {
inline const QString DownloaderName = QStringLiteral("wg");
inline const QString EncoderName = QStringLiteral("coder");
inline const QString SweeperName = QStringLiteral("dirsweep");

inline QString DataDir() {
    return AppDir() + QStringLiteral("/data");
}
inline QString DownloaderPath() {
    return DataDir() + u'/' + DownloaderName;
}
inline QString EncoderPath() {
    return DataDir() + u'/' + EncoderName;
}
inline QString SweeperPath() {
    return DataDir() + u'/' + SweeperName;
}
} // namespace Tools
