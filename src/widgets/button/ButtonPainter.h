#pragma once
// The button's painter: a pure function from size, properties, state, focus and desktop colours
// to a picture, plus the window shape of each look. The widget only shows what this returns.

#include "ButtonLook.h"

#include <QImage>
#include <QRegion>
#include <QSize>

class QPalette;
class QStyle;

struct ButtonPicture {
    QImage image;              // transparent outside the look's shape
    int state = ButtonNormal;  // the drawing state after the check and disabled overrides
    bool themeMissing = false; // Style 6 could not be drawn; the look fell back to NonThemeStyle
};

// theme draws Style 6; without one, Style 6 falls back to the look's NonThemeStyle. At a device
// pixel ratio above 1 the picture has `devicePixels` pixels (by default the size times the
// ratio, rounded) and carries the ratio; see PaintButton in ButtonPainter.cpp for how the looks'
// pixel rules meet a denser screen.
ButtonPicture PaintButton(QSize size, const ButtonLook& look, int state, bool hasFocus,
                          const SystemColors& colors, const QStyle* theme, qreal ratio = 1.0,
                          QSize devicePixels = {});

// The pixels that belong to the control in a given look.
QRegion ButtonRegion(int style, QSize size);

// The control's mask at a device pixel ratio: the logical pixels its look's device pixels touch.
QRegion ButtonMask(int style, QSize size, qreal ratio);

// A set check state draws pressed, a disabled control draws disabled.
int EffectiveState(const ButtonLook& look, int state);

// Where the icon's top-left corner goes.
QPoint IconPosition(QSize size, const ButtonLook& look, int style, bool pressed);

SystemColors SystemColorsFrom(const QPalette& palette);
