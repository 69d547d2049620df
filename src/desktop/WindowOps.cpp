#include "WindowOps.h"

#include <QWidget>

#include <algorithm>

void RestoreMainWindow(QWidget* mainWindow) {
    if (!mainWindow)
        return;
    mainWindow->setWindowState(mainWindow->windowState() &
                               ~(Qt::WindowMinimized | Qt::WindowMaximized));
    mainWindow->show();
    mainWindow->raise();
    mainWindow->activateWindow();
}

void ToggleMainWindow(QWidget* mainWindow) {
    if (mainWindow)
        mainWindow->setVisible(!mainWindow->isVisible());
}

void MakeTranslucent(QWidget* window, int alpha) {
    if (window)
        window->setWindowOpacity(std::clamp(alpha, 0, 255) / 255.0);
}
