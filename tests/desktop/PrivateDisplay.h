#pragma once
// A private X server with a tray host or a window manager for the desktop tests, so that the
// tray, the clipboard and the drag zone meet a real X11 desktop and nothing else on the machine
// shares it.

#include <QProcess>
#include <QString>

class PrivateDisplay {
public:
    // Starts Xvfb and points DISPLAY and the Qt platform at it; false when it cannot.
    bool StartServer();
    // Starts an XEmbed tray host on that server (after the application object exists).
    void StartTrayHost();
    // Starts a real window manager (openbox) on that server and waits until it runs; call it
    // before the application object exists, which asks once what the manager supports.
    bool StartWindowManager();
    ~PrivateDisplay();

private:
    QProcess server_;
    QProcess trayHost_;
    QProcess windowManager_;
};
