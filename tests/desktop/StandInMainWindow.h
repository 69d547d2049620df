#pragma once
// The main window as the desktop pieces see it: a plain window in the visibility and window
// state a test case starts from.

#include <QWidget>

struct StandInMainWindow : QWidget {
    StandInMainWindow(bool visible, bool minimised) {
        resize(200, 100);
        if (minimised)
            setWindowState(Qt::WindowMinimized);
        setVisible(visible);
    }
};
