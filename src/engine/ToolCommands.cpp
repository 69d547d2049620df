#include "ToolCommands.h"

#include "CommandLineSplit.h"
#include "Tools.h"

QString DownloaderCommand(const QString& appDir, const QString& tempName, const QString& address) {
    return QuoteArgument(appDir + QStringLiteral("/data/") + Tools::DownloaderName) +
           QStringLiteral(" -c -O ") + QuoteArgument(tempName) + QStringLiteral(" -- ") +
           QuoteArgument(address);
}
