// Style 6: the desktop style's own push button, when there is a style to draw it.

#include "ButtonFaces.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

bool DrawThemedFace(const FaceContext& f, QImage& image, const QStyle* theme) {
    if (theme == nullptr) {
        return false;
    }
    f.canvas.Background(f.sys.buttonFace);
    QStyleOptionButton option;
    // The theme draws in logical pixels, at the image's ratio.
    option.rect = QRect(QPoint(0, 0), image.deviceIndependentSize().toSize());
    option.state = QStyle::State_Raised;
    switch (f.state) {
    case ButtonHot:
        option.state |= QStyle::State_Enabled | QStyle::State_MouseOver;
        break;
    case ButtonPressed:
        option.state = QStyle::State_Enabled | QStyle::State_Sunken;
        break;
    case ButtonDisabled:
        break;
    default:
        option.state |= QStyle::State_Enabled;
        if (f.hasFocus) {
            // The theme's default-button look marks the focused button at rest.
            option.state |= QStyle::State_HasFocus;
            option.features |= QStyleOptionButton::DefaultButton;
        }
        break;
    }
    QPainter p(&image);
    theme->drawControl(QStyle::CE_PushButtonBevel, &option, &p, nullptr);
    return true;
}
