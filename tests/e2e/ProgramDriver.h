// Test fixture: what the whole-program scenarios share: the places a user clicks on the add-task
// dialog, queueing a task through the desktop as a user would, and looking at the processes
// and files the program leaves.
#pragma once

#include "DesktopSession.h"
#include "FrameLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QTest>

namespace ProgramDriver {

inline const QString Short = QStringLiteral("Q2xV9dLm4bA"); // a 3 s video of the local site

// Places on the add-task dialog, in its own coordinates.
inline const QRect SavePathBox(92, 282, 252, 26);
inline const QRect DownloadButton(238, 323, 106, 38);

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Running processes named `name` whose command line holds `mark` (an ended process waiting to
// be reaped has none, so it does not count).
inline QStringList Processes(const QString& name, const QString& mark) {
    QStringList found;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        if (ReadAll("/proc/" + pid + "/comm").trimmed() == name.toUtf8() &&
            ReadAll("/proc/" + pid + "/cmdline").contains(mark.toUtf8()))
            found.append(pid);
    }
    return found;
}

inline bool LooksLikeMp3(const QByteArray& head) {
    return head.startsWith("ID3") ||
           (head.size() > 1 && uchar(head[0]) == 0xFF && (uchar(head[1]) & 0xE0) == 0xE0);
}

// A watch address copied anywhere opens the dialog holding it; the user picks MP3 and types
// the target path, then presses Download.
inline void QueueCopiedAsMp3(const DesktopSession& desktop, const QString& address,
                             const QString& target) {
    desktop.Copy(address);
    const QString dialog = desktop.WaitForWindow("Add New Download");
    QVERIFY(!dialog.isEmpty());
    desktop.Focus(dialog);
    // From the address box, Tab reaches the format list; one step down is MP3.
    desktop.Keys({"Tab", "Down"});
    desktop.Click(dialog, SavePathBox);
    desktop.Type(target);
    desktop.Click(dialog, DownloadButton);
}

// One whole task: the short video of the site at `siteRoot`, copied, queued as MP3 to `target`
// (its folder made first), until an MP3 file lies there.
inline void RunShortMp3Task(const DesktopSession& desktop, const QString& siteRoot,
                            const QString& target) {
    QVERIFY(QDir().mkpath(QFileInfo(target).path()));
    QueueCopiedAsMp3(desktop, siteRoot + "/watch?v=" + Short, target);
    if (QTest::currentTestFailed())
        return;
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(target).size() > 0, 60000);
    QVERIFY(LooksLikeMp3(ReadAll(target).left(4)));
}

// Exit from the toolbar of the main window.
inline void PressExit(const DesktopSession& desktop) {
    desktop.Click(desktop.WaitForWindow("Vidlark"), FrameLayout::ToolbarRect(5));
}

} // namespace ProgramDriver
