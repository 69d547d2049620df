// Test fixture: a private X server with a tray host, and the X tools a user's hands stand in
// for (xdotool, xclip, xwininfo), all pointed at it. The program under test shares nothing of
// the machine's display: not its clipboard, not its tray.
#pragma once

#include <QElapsedTimer>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QStringList>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

class DesktopSession {
public:
    ~DesktopSession() {
        for (QProcess* process : {&trayHost_, &server_}) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }

    // Starts the server on a display number it picks itself, then the tray host.
    bool Start() {
        const auto dieWithUs = [] {
            prctl(PR_SET_PDEATHSIG, SIGTERM);
        };
        server_.setChildProcessModifier(dieWithUs);
        server_.start("Xvfb",
                      {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        if (!server_.waitForStarted())
            return false;
        while (!server_.canReadLine())
            if (!server_.waitForReadyRead(10000))
                return false;
        display_ = ":" + QString::fromUtf8(server_.readLine()).trimmed();
        trayHost_.setChildProcessModifier(dieWithUs);
        trayHost_.setProcessEnvironment(Environment());
        trayHost_.start("trayer", {"--edge", "top", "--align", "right", "--widthtype", "pixel",
                                   "--width", "120", "--height", "26"});
        if (!trayHost_.waitForStarted())
            return false;
        QElapsedTimer clock;
        clock.start();
        while (Tool("xdotool", {"search", "--name", "^panel$"}).isEmpty())
            if (clock.elapsed() > 10000)
                return false;
            else
                QTest::qWait(100);
        return true;
    }

    QString Display() const { return display_; }

    // The system environment pointed at this display, for the program and the tools.
    QProcessEnvironment Environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display_);
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("WAYLAND_DISPLAY");
        return environment;
    }

    QString Tool(const QString& program, const QStringList& arguments,
                 const QByteArray& input = {}) const {
        QProcess tool;
        tool.setProcessEnvironment(Environment());
        tool.start(program, arguments);
        if (!input.isNull()) {
            tool.write(input);
            tool.closeWriteChannel();
        }
        tool.waitForFinished(10000);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }

    // Every visible window whose title is exactly `title`.
    QStringList Windows(const QString& title) const {
        const QString ids =
            Tool("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"});
        return ids.isEmpty() ? QStringList() : ids.split(u'\n');
    }

    // The first such window, waiting for it to appear; empty when none came.
    QString WaitForWindow(const QString& title, int timeoutMs = 20000) const {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            if (const QStringList found = Windows(title); !found.isEmpty())
                return found.first();
            QTest::qWait(100);
        }
        return {};
    }

    QPoint Origin(const QString& window) const {
        QPoint origin;
        for (const QString& line :
             Tool("xdotool", {"getwindowgeometry", "--shell", window}).split(u'\n')) {
            if (line.startsWith("X="))
                origin.setX(line.mid(2).toInt());
            else if (line.startsWith("Y="))
                origin.setY(line.mid(2).toInt());
        }
        return origin;
    }

    // A left click in the middle of `place`, given in the window's own coordinates.
    void Click(const QString& window, const QRect& place) const {
        const QPoint at = Origin(window) + place.center();
        // No --sync: it waits forever when the pointer is already there.
        Tool("xdotool",
             {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    }

    void Focus(const QString& window) const { Tool("xdotool", {"windowfocus", "--sync", window}); }
    void Type(const QString& text) const { Tool("xdotool", {"type", "--delay", "5", text}); }
    void Keys(const QStringList& keys) const { Tool("xdotool", QStringList{"key"} + keys); }

    // Puts `text` on the clipboard, as copying it in any program would.
    void Copy(const QString& text) const {
        Tool("xclip", {"-selection", "clipboard"}, text.toUtf8());
    }

    // True when the tray host holds an icon of the program whose window class is `name`.
    bool TrayHolds(const QString& name) const {
        const QString panel = Tool("xdotool", {"search", "--name", "^panel$"}).section(u'\n', 0, 0);
        return Tool("xwininfo", {"-tree", "-id", panel})
            .contains("(\"" + name + "\" \"" + name + "\")");
    }

private:
    QProcess server_;
    QProcess trayHost_;
    QString display_;
};
