// Shared by the whole-task tests: the site's videos by their part in a test, reading and writing
// files, the tools' processes, and a recorder of what the engine shows while it runs.
#pragma once

#include "AppPaths.h"
#include "ConversionProfiles.h"
#include "LocalSite.h"
#include "TaskEngine.h"
#include "TempBase.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <functional>

namespace pipeline {

inline const QString Short = QStringLiteral("Q2xV9dLm4bA");   // 3 s
inline const QString Mp4 = QStringLiteral("h7Rk-2pWq0E");     // 5 s, served as MP4
inline const QString Twelve = QStringLiteral("mB3aF6uJx9Q");  // 12 s
inline const QString Dropped = QStringLiteral("Zt5_nY8cK1s"); // the site drops it once
inline const QString Slow = QStringLiteral("P4nG2xR7jUa");    // throttled
inline const QString Hanging = QStringLiteral("HangHangHan"); // its lookup never answers
inline const QString Unknown = QStringLiteral("NoSuchVideo");

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

inline QString Watch(const LocalSite& site, const QString& id) {
    return site.Root() + "/watch?v=" + id;
}

inline QByteArray Content(const LocalSite& site, const QString& id) {
    return ReadAll(site.SourceFile(id));
}

inline QStringList TempDirEntries() {
    return QDir(TempDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

inline int ProcessesNamed(const QString& name) {
    int count = 0;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        if (ReadAll("/proc/" + pid + "/comm").trimmed() == name.toUtf8())
            ++count;
    }
    return count;
}

// The container ffprobe finds in a file.
inline QString FormatOf(const QString& path) {
    QProcess probe;
    probe.start("ffprobe", {"-v", "error", "-show_entries", "format=format_name", "-of",
                            "default=noprint_wrappers=1:nokey=1", path});
    probe.waitForFinished(20000);
    return QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
}

// Appends a task for `address` as the add-task dialog does, at `moment`, and enables Timer1.
// The encoder line names `appDir`; `edit` changes the profile's values as a user typing in the
// boxes would.
inline void QueueAddress(TaskEngine& engine, const QString& appDir, const QString& target,
                         const QString& address, int profile,
                         const QDateTime& moment = QDateTime::currentDateTime(),
                         const std::function<void(ProfileParams&)>& edit = {}) {
    TaskList& tasks = engine.Tasks();
    const QString tempBase = MakeTempBase(TempDir(), moment, [&tasks](const QString& base) {
        for (int row = 0; row < tasks.Count(); ++row) {
            if (tasks.TempName(row) == base + ".flv")
                return true;
        }
        return false;
    });
    ProfileParams params = InitialParams();
    ApplyProfile(profile, params);
    if (edit)
        edit(params);
    tasks.Append(target, address, tempBase + ".flv",
                 BuildEncoderCommand(profile, appDir, tempBase, params));
    engine.EnableTimer1();
}

// The same for the watch address of the site's video `id`.
inline void Queue(TaskEngine& engine, const LocalSite& site, const QString& appDir,
                  const QString& target, const QString& id, int profile,
                  const QDateTime& moment = QDateTime::currentDateTime(),
                  const std::function<void(ProfileParams&)>& edit = {}) {
    QueueAddress(engine, appDir, target, Watch(site, id) + "&feature=related", profile, moment,
                 edit);
}

// Waits until `count` tasks have left the list; their statuses, in order.
inline QStringList WaitForEnds(QSignalSpy& ended, int count, int timeoutMs = 60000) {
    QElapsedTimer clock;
    clock.start();
    while (ended.size() < count && clock.elapsed() < timeoutMs)
        ended.wait(int(timeoutMs - clock.elapsed()));
    QStringList statuses;
    for (const QList<QVariant>& call : ended)
        statuses.append(call.at(1).toString());
    return statuses;
}

// Everything the engine shows while it runs, as the windows would see it.
struct Watcher {
    explicit Watcher(TaskEngine& engine) {
        QObject::connect(&engine.Tasks(), &QAbstractItemModel::dataChanged, &context,
                         [this, &engine] {
                             const QString status = engine.Tasks().Text(0, TaskList::Status);
                             if (statuses.isEmpty() || statuses.last() != status)
                                 statuses.append(status);
                         });
        QObject::connect(&engine, &TaskEngine::ProgressValueChanged, &context,
                         [this](double value) { highest = std::max(highest, value); });
        QObject::connect(&engine, &TaskEngine::ProgressLabelChanged, &context,
                         [this](const QString& text) { labels.append(text); });
        QObject::connect(&engine, &TaskEngine::ProgressWidthChanged, &context,
                         [this](int twips) { widths.append(twips); });
    }
    QObject context;
    QStringList statuses;
    QStringList labels;
    QList<int> widths;
    double highest = 0;
};

} // namespace pipeline
