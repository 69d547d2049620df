#include "frmS.h"

#include "WindowOps.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>

frmS::frmS(QMenu* menuMain, QObject* parent)
    : QObject(parent), trayIcon_(QGuiApplication::windowIcon()), menuMain_(menuMain) {
    trayIcon_.setToolTip(TipText());
    connect(&trayIcon_, &QSystemTrayIcon::activated, this,
            qOverload<QSystemTrayIcon::ActivationReason>(&frmS::HandleTrayMouse));
}

void frmS::SetIcon(const QIcon& icon) {
    if (!icon.isNull())
        trayIcon_.setIcon(icon);
}

void frmS::AddTrayIcon() {
    // Shown even when no tray exists yet: Qt puts the icon in as soon as one appears.
    trayIcon_.show();
}

void frmS::RemoveTrayIcon() {
    trayIcon_.hide();
}

bool frmS::HasTrayIcon() const {
    return trayIcon_.isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

// A StatusNotifierItem host draws the icon itself, so the item never learns where it is: only
// an icon window of our own in an XEmbed tray has a place on the screen.
frmS::TrayKind frmS::Kind() const {
    return trayIcon_.geometry().isEmpty() ? TrayKind::StatusNotifier : TrayKind::XEmbed;
}

void frmS::HandleTrayMouse(QSystemTrayIcon::ActivationReason reason) {
    HandleTrayMouse(Kind(), reason);
}

// The host's activation arrives as a single Trigger and never as a double-click, so on such a
// host it is the restore; in an XEmbed tray a Trigger is a plain single click.
void frmS::HandleTrayMouse(TrayKind kind, QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        if (kind == TrayKind::StatusNotifier)
            RestoreMainWindow(mainWindow_);
        break;
    case QSystemTrayIcon::DoubleClick:
        RestoreMainWindow(mainWindow_);
        break;
    case QSystemTrayIcon::Context:
        if (menuMain_)
            menuMain_->popup(QCursor::pos());
        break;
    default:
        break;
    }
}

void frmS::ShowFailureNotice(const QString& fileName, const QString& reason) {
    trayIcon_.showMessage(QStringLiteral("Task failed"), fileName + QLatin1Char('\n') + reason,
                          QSystemTrayIcon::Warning);
}

void frmS::ShowNotice(const QString& title, const QString& text) {
    trayIcon_.showMessage(title, text, QSystemTrayIcon::Information);
}
