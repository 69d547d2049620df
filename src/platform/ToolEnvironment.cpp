#include "ToolEnvironment.h"

#include <QStringList>

QProcessEnvironment ToolEnvironment(const QProcessEnvironment& base) {
    QProcessEnvironment environment = base;
    // LC_ALL outranks every category, LC_MESSAGES included: its value becomes the default of
    // the categories that have none of their own, which is what it already was for them.
    const QString all = environment.value(QStringLiteral("LC_ALL"));
    if (!all.isEmpty()) {
        environment.remove(QStringLiteral("LC_ALL"));
        for (const char* category :
             {"LC_CTYPE", "LC_NUMERIC", "LC_TIME", "LC_COLLATE", "LC_MONETARY", "LC_PAPER",
              "LC_NAME", "LC_ADDRESS", "LC_TELEPHONE", "LC_MEASUREMENT", "LC_IDENTIFICATION"})
            environment.insert(QLatin1String(category), all);
        environment.insert(QStringLiteral("LANG"), all);
    }
    environment.insert(QStringLiteral("LC_MESSAGES"), QStringLiteral("C"));
    // GNU gettext reads LANGUAGE before LC_MESSAGES.
    environment.remove(QStringLiteral("LANGUAGE"));
    return environment;
}
