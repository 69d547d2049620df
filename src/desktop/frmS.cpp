#include "frmS.h"

#include "WindowOps.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>

frmS::frmS(QMenu* menuMain, QObject* parent)
    : QObject(parent), trayIcon_(QGuiApplication::windowIcon()), menuMain_(menuMain) {
    trayIcon_.setToolTip(TipText());
    connect(&trayIcon_, &QSystemTrayIcon::activated, this, &frmS::HandleTrayMouse);
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

void frmS::HandleTrayMouse(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
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
