#pragma once
// Picks the display platform before the application object exists. On a Wayland session a
// background program hears nothing of clipboard changes and cannot place its own windows, so
// the program runs through XWayland there, where the clipboard watch and the drag zone work.

#include <QByteArray>
#include <QProcessEnvironment>

// The platform to force for this environment, or empty to leave Qt's own choice alone.
QByteArray PlatformForSession(const QProcessEnvironment& environment);

// Call first thing in main(), before QApplication: sets QT_QPA_PLATFORM when it must change.
void PreferX11OnWayland();
