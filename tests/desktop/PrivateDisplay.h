#pragma once
// A private X server with a tray host for the desktop tests, so that the tray, the clipboard
// and the drag zone meet a real X11 desktop and nothing else on the machine shares it.

#include <QProcess>
#include <QString>

class PrivateDisplay {
public:
    // Starts Xvfb and points DISPLAY and the Qt platform at it; false when it cannot.
    bool StartServer();
    // Starts a tray host on that server (after the application object exists).
    void StartTrayHost();
    ~PrivateDisplay();

private:
    QProcess server_;
    QProcess trayHost_;
};
