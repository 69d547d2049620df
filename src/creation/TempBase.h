#pragma once
// The temporary base name of a queued task: the temporary folder followed by the moment of
// queueing as month_day_hour_minute_second. Two tasks queued within one second would share
// their files, so a base that is already taken gets a suffix "_2", "_3", ... instead.

#include <QDateTime>
#include <QString>

#include <functional>

QString MakeTempBase(const QString& tempDir, const QDateTime& moment,
                     const std::function<bool(const QString& base)>& isTaken = {});
