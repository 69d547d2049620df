#pragma once
// One run of the real program for a whole-program test, in a program folder of its own: the
// built program, links to its tools, a site.ini pointing at the local site and, when given, a
// setup.ini. It gets a private download folder and, first on its PATH, a stand-in for the
// desktop's folder opener (QDesktopServices runs xdg-open on X11 without a desktop session)
// that writes down every folder the program asks it to open.

#include "DesktopSession.h"
#include "FrameLayout.h"
#include "ProgramDriver.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class ProgramRun {
public:
    // Places on the add-task dialog, in its own coordinates.
    static constexpr QRect AddressBox{14, 62, 442, 26};
    inline static const QRect SavePathBox = ProgramDriver::SavePathBox;
    inline static const QRect DownloadButton = ProgramDriver::DownloadButton;
    static constexpr QRect BackButton{350, 323, 106, 38};

    ProgramRun(const DesktopSession& desktop, const QString& siteRoot)
        : desktop_(desktop), siteRoot_(siteRoot) {}
    ~ProgramRun() { End(); }

    QString AppDir() const { return root_.filePath("vidlark"); }
    QString TempDir() const { return root_.filePath("cache/vidlark/tmpDownload"); }
    QString Path(const QString& name) const { return root_.filePath(name); }
    QProcess& Process() { return process_; }

    // Builds the program folder; `setupIni` becomes its setup.ini unless it is null.
    bool Prepare(const QByteArray& setupIni) {
        const QByteArray site =
            ("SiteRoot=" + siteRoot_ + "\nFeedbackHost=" + siteRoot_ + "\n").toUtf8();
        if (!MakeProgramFolder(AppDir(), site, setupIni) ||
            (setupIni.isNull() && !QFile::remove(AppDir() + "/setup.ini")) ||
            !QDir().mkpath(Path("bin")))
            return false;
        const QString opener = Path("bin/xdg-open");
        QFile file(opener);
        const QByteArray script =
            "#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" + OpenedLog().toUtf8() + "'\n";
        if (!file.open(QIODevice::WriteOnly) || file.write(script) != script.size())
            return false;
        return file.setPermissions(QFile::ExeOwner | QFile::ReadOwner);
    }

    void Start(QProcessEnvironment environment = {}) {
        if (environment.isEmpty())
            environment = desktop_.Environment();
        environment.insert("XDG_CACHE_HOME", Path("cache"));
        environment.insert("PATH", Path("bin") + ":" + environment.value("PATH"));
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.start(AppDir() + "/vidlark", {});
        QVERIFY(process_.waitForStarted());
    }

    void End() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.kill();
        process_.waitForFinished();
    }

    // Every folder the program asked the desktop to open, in order.
    QStringList OpenedFolders() const {
        QFile log(OpenedLog());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    // Opens the add-task dialog from the toolbar; its window id, empty when it did not come.
    QString OpenAddDialog() const {
        const QString window = desktop_.WaitForWindow("Vidlark");
        // A window just mapped may not take a click yet; pressing Add again only brings the
        // dialog forward.
        QString dialog;
        for (int attempt = 0; attempt < 5 && !window.isEmpty() && dialog.isEmpty(); ++attempt) {
            desktop_.Click(window, FrameLayout::ToolbarRect(0));
            dialog = desktop_.WaitForWindow("Add New Download", 3000);
        }
        return dialog;
    }

    // Types `address` and `target` into the open dialog and presses Download, with no
    // conversion.
    void FillAndQueue(const QString& dialog, const QString& address, const QString& target) const {
        desktop_.Focus(dialog);
        desktop_.Click(dialog, AddressBox);
        desktop_.Type(address);
        desktop_.Click(dialog, SavePathBox);
        desktop_.Type(target);
        desktop_.Click(dialog, DownloadButton);
    }

    void QueueThroughToolbar(const QString& address, const QString& target) const {
        const QString dialog = OpenAddDialog();
        QVERIFY(!dialog.isEmpty());
        FillAndQueue(dialog, address, target);
    }

private:
    QString OpenedLog() const { return Path("opened.txt"); }

    const DesktopSession& desktop_;
    QString siteRoot_;
    QTemporaryDir root_;
    QProcess process_;
};
