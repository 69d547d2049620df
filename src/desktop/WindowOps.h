#pragma once
// The few things the desktop pieces do to a whole window: bring the main window back, flip its
// visibility, and make a window partly see-through.

class QWidget;

// Main window to its normal state, shown, visible and in front.
void RestoreMainWindow(QWidget* mainWindow);

// Hidden becomes shown and shown becomes hidden; a minimised window stays minimised.
void ToggleMainWindow(QWidget* mainWindow);

// Whole-window opacity, alpha 0 (invisible) to 255 (opaque).
void MakeTranslucent(QWidget* window, int alpha);
