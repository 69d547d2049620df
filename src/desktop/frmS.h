#pragma once
// The tray icon: a double-click brings the main window back, the right button opens the Main
// menu at the pointer, anything else is ignored. A StatusNotifierItem host (the tray of most
// desktops today) reports no clicks, only its own activation and its context request: there the
// activation brings the window back. Without a tray on the desktop the program runs on without
// the icon, and the icon appears if a tray shows up later.

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

class QMenu;
class QWidget;

class frmS : public QObject {
    Q_OBJECT
public:
    frmS(QMenu* menuMain, QObject* parent = nullptr);

    void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

    // The picture of the main window's `imgIcon`; the program's icon (the application's window
    // icon) until one is given.
    void SetIcon(const QIcon& icon);

    // Puts the icon into the tray (the start-up step that shows this form).
    void AddTrayIcon();
    // Takes it out again (a shutdown step).
    void RemoveTrayIcon();
    // True while the icon sits in a tray the desktop provides.
    bool HasTrayIcon() const;

    const QSystemTrayIcon& trayIcon() const { return trayIcon_; }

    // The icon is our own little window inside an XEmbed tray, or a StatusNotifierItem on the
    // session bus that the host draws.
    enum class TrayKind { XEmbed, StatusNotifier };
    Q_ENUM(TrayKind)
    TrayKind Kind() const;

    void HandleTrayMouse(QSystemTrayIcon::ActivationReason reason);
    void HandleTrayMouse(TrayKind kind, QSystemTrayIcon::ActivationReason reason);

    static QString TipText() { return QStringLiteral(" Click Right Mouse Button "); }

public Q_SLOTS:
    // A task that could not be finished, told through a tray message.
    void ShowFailureNotice(const QString& fileName, const QString& reason);
    // Anything else the user should know without a box to close (a setting that was refused,
    // settings that could not be kept).
    void ShowNotice(const QString& title, const QString& text);

private:
    QSystemTrayIcon trayIcon_;
    QPointer<QMenu> menuMain_;
    QPointer<QWidget> mainWindow_;
};
