#pragma once
// Everything the button painter needs to know about a button, apart from its size, state and
// the desktop's colours: the drawing properties the control stores.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

// Drawing states, numbered like the desktop theme's push-button states.
enum ButtonStateValue {
    ButtonNormal = 1,
    ButtonHot = 2,
    ButtonPressed = 3,
    ButtonDisabled = 4,
};

struct ButtonLook {
    int style = 3;
    QString caption = QStringLiteral("isButton");
    QImage icon;
    int iconAlign = 1;
    int iconSize = 16;
    int captionAlign = 0;
    int nonThemeStyle = 5;
    bool enabled = true;
    bool iconVisible = true;
    bool showFocus = false;
    bool useCustomColors = false;
    QColor backColor;
    QColor highlightColor;
    QColor fontColor;
    QColor fontHighlightColor;
    QFont font;
    int buttonType = 0;
    bool value = false;
};

// The desktop colours the looks are built from, read afresh for every repaint.
struct SystemColors {
    QColor buttonFace;
    QColor buttonShadow;
    QColor buttonText;
    QColor grayText;
    QColor highlight;
    QColor window;
    QColor light3d;      // outer top-left of a raised edge
    QColor highlight3d;  // inner top-left of a raised edge
    QColor darkShadow3d; // outer bottom-right of a raised edge
    QColor toolTipBack;
    QColor toolTipText;
};
