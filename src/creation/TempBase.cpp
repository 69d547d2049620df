#include "TempBase.h"

QString MakeTempBase(const QString& tempDir, const QDateTime& moment,
                     const std::function<bool(const QString& base)>& isTaken) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    const QString base = tempDir + QStringLiteral("%1_%2_%3_%4_%5")
                                       .arg(date.month())
                                       .arg(date.day())
                                       .arg(time.hour())
                                       .arg(time.minute())
                                       .arg(time.second());
    if (!isTaken || !isTaken(base))
        return base;
    // Five numbers are a plain moment; a sixth can only be our suffix, so suffixed names never
    // meet the plain name of another second.
    for (int suffix = 2;; ++suffix) {
        const QString candidate = base + u'_' + QString::number(suffix);
        if (!isTaken(candidate))
            return candidate;
    }
}
