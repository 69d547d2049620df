#include "ButtonPainter.h"

#include "ButtonFaces.h"
#include "DevicePixels.h"

#include <QPainter>
#include <QPalette>
#include <QPolygon>

namespace {

int IconMargin(int style) {
    switch (style) {
    case 5:
    case 7:
        return 5;
    case 9:
    case 10:
        return 7;
    default:
        return 4;
    }
}

int CaptionFlags(int align) {
    switch (align) {
    case 0:
        return Qt::AlignCenter;
    case 1:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case 2:
        return Qt::AlignRight | Qt::AlignVCenter;
    case 3:
        return Qt::AlignTop | Qt::AlignHCenter;
    case 4:
        return Qt::AlignBottom | Qt::AlignHCenter;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}

QColor CaptionColor(const ButtonLook& look, const SystemColors& sys, int state) {
    if (state == ButtonDisabled) {
        return sys.grayText;
    }
    if (!look.useCustomColors) {
        return sys.buttonText;
    }
    return state == ButtonNormal ? look.fontColor : look.fontHighlightColor;
}

// Draws the face of a look; false when the look is Style 6 and there is no theme.
bool DrawFace(const FaceContext& f, QImage& image, const QStyle* theme) {
    switch (f.look.style) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
        DrawClassicFace(f);
        return true;
    case 5:
        DrawXpFace(f);
        return true;
    case 6:
        return DrawThemedFace(f, image, theme);
    case 7:
        DrawRoundedFace(f);
        return true;
    case 8:
        DrawRaisedFace(f);
        return true;
    case 9:
        DrawPillFace(f);
        return true;
    case 10:
        DrawSkinFace(f);
        return true;
    default:
        return true; // an unknown look leaves the cleared face
    }
}

// The caption is laid out in logical pixels and drawn at the image's own ratio.
void DrawCaption(QImage& image, QSize size, const ButtonLook& look, const SystemColors& sys,
                 int state) {
    const int W = size.width();
    const int H = size.height();
    const QRect captionRect(QPoint(4, 4), QPoint(W - 5, H - 5));
    QPainter p(&image);
    p.setClipRect(captionRect);
    p.setFont(look.font);
    p.setPen(CaptionColor(look, sys, state));
    p.drawText(captionRect, CaptionFlags(look.captionAlign) | Qt::TextSingleLine, look.caption);
}

// The icon's place and size are logical; it is drawn on the device pixels they cover, from an
// icon of that many pixels when the control was given one.
void DrawIcon(QImage& image, QSize size, qreal ratio, const ButtonLook& look, int style,
              int state) {
    if (look.icon.isNull() || !look.iconVisible || look.iconSize <= 0 || look.iconSize > 4096) {
        return;
    }
    const QRect place = DevicePixels(QRect(IconPosition(size, look, style, state == ButtonPressed),
                                           QSize(look.iconSize, look.iconSize)),
                                     ratio);
    const int n = place.width();
    QImage scaled = look.icon.scaled(n, n, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(1.0);
    const QPoint at = place.topLeft();
    QPainter p(&image);
    p.drawImage(at, scaled);
    if (style == 4 && state == ButtonHot) {
        // The hot office look lifts the icon off a grey shadow of itself.
        p.end();
        const QRgb back = image.pixel(1, 1);
        PixelCanvas canvas(image);
        for (int y = at.y(); y <= at.y() + n; ++y) {
            for (int x = at.x(); x <= at.x() + n; ++x) {
                const QColor c = canvas.PixelAt(x, y);
                if (c.isValid() && c.rgb() != back) {
                    canvas.Pixel(x, y, QColor(128, 128, 128));
                }
            }
        }
        QPainter again(&image);
        again.drawImage(at - QPoint(2, 2), scaled);
    }
}

QRegion PolygonRegion(std::initializer_list<QPoint> points) {
    return QRegion(QPolygon(QList<QPoint>(points)), Qt::OddEvenFill);
}

// The 18 x 18 rounded corners of the skin look, one span per row.
QRegion RoundedRegion(int W, int H) {
    const double r = 9.0;
    QRegion region;
    for (int y = 0; y <= H; ++y) {
        double inset = 0;
        const double fromTop = y + 0.5;
        const double fromBottom = (H + 1) - (y + 0.5);
        const double d = std::min(fromTop, fromBottom);
        if (d < r) {
            const double dy = r - d;
            inset = r - std::sqrt(std::max(0.0, r * r - dy * dy));
        }
        const int left = static_cast<int>(std::round(inset));
        const int right = W + 1 - left;
        if (right > left) {
            region += QRect(left, y, right - left, 1);
        }
    }
    return region;
}

} // namespace

int EffectiveState(const ButtonLook& look, int state) {
    if (look.buttonType == 1 && look.value) {
        state = ButtonPressed;
    }
    if (!look.enabled) {
        state = ButtonDisabled;
    }
    return state;
}

QPoint IconPosition(QSize size, const ButtonLook& look, int style, bool pressed) {
    const int m = IconMargin(style);
    const int n = look.iconSize;
    const int cx = RoundHalfEven((size.width() - n) / 2.0);
    const int cy = RoundHalfEven((size.height() - n) / 2.0);
    QPoint at;
    switch (look.iconAlign) {
    case 0:
        at = QPoint(cx, cy);
        break;
    case 1:
        at = QPoint(m, cy);
        break;
    case 2:
        at = QPoint(size.width() - n - m, cy);
        break;
    case 3:
        at = QPoint(cx, m);
        break;
    case 4:
        at = QPoint(cx, size.height() - n - m);
        break;
    default:
        at = QPoint(0, 0);
        break;
    }
    return pressed ? at + QPoint(1, 1) : at;
}

QRegion ButtonRegion(int style, QSize size) {
    const int W = size.width();
    const int H = size.height();
    switch (style) {
    case 5:
    case 7:
        return PolygonRegion(
            {{0, 1}, {1, 0}, {W - 1, 0}, {W, 1}, {W, H - 2}, {W - 2, H}, {2, H}, {0, H - 2}});
    case 8:
    case 9:
        return PolygonRegion(
            {{0, 2}, {2, 0}, {W - 3, 0}, {W, 3}, {W, H - 3}, {W - 3, H}, {4, H}, {0, H - 4}});
    case 10:
        return RoundedRegion(W, H) & QRegion(0, 0, W, H);
    default:
        return QRegion(0, 0, W, H);
    }
}

QRegion ButtonMask(int style, QSize size, qreal ratio) {
    if (ratio == 1.0) {
        return ButtonRegion(style, size);
    }
    return CoveringRegion(
        ButtonRegion(style, DevicePixels(QRect(QPoint(0, 0), size), ratio).size()), ratio);
}

// How the looks meet a denser screen. Every rule of a look is a rule about pixels: a frame one
// pixel wide, single corner pixels, gradient rows counted from the edges. On a screen with
// more device pixels to a logical one, the faces are drawn on the device pixels themselves,
// each rule keeping its meaning of one pixel: at 2x the frame is one device pixel wide and as
// sharp as the screen allows, the rings and bands along the edges are half as thick as at 1x,
// and whatever follows the size (a gradient over the height, the far edges, the rounded skin
// corners) follows the device size. A fractional ratio changes nothing in this: the rules fall
// on whole device pixels, never between two, so 1.25 and 1.5 give no gaps, seams or blur.
// The caption and the icon are content, not rules: they keep their logical places and sizes
// and are drawn at the device resolution.
ButtonPicture PaintButton(QSize size, const ButtonLook& look, int state, bool hasFocus,
                          const SystemColors& colors, const QStyle* theme, qreal ratio,
                          QSize devicePixels) {
    ButtonPicture picture;
    size = size.expandedTo(QSize(1, 1));
    if (devicePixels.isEmpty()) {
        devicePixels = DevicePixels(QRect(QPoint(0, 0), size), ratio).size();
    }
    devicePixels = devicePixels.expandedTo(QSize(1, 1));
    picture.image = QImage(devicePixels, QImage::Format_ARGB32);
    // The caption's point size means the same on every screen: 96 dots per inch.
    picture.image.setDotsPerMeterX(3780);
    picture.image.setDotsPerMeterY(3780);
    // The themed look and the caption draw in logical pixels; the faces set device pixels.
    picture.image.setDevicePixelRatio(ratio);
    PixelCanvas canvas(picture.image);
    canvas.Background(colors.buttonFace);

    picture.state = EffectiveState(look, state);
    ButtonLook drawn = look;
    const int W = devicePixels.width();
    const int H = devicePixels.height();
    FaceContext face{canvas, drawn, colors, picture.state, hasFocus, W, H};
    if (!DrawFace(face, picture.image, theme)) {
        picture.themeMissing = true;
        drawn.style = look.nonThemeStyle == 6 ? -1 : look.nonThemeStyle;
        canvas.Background(colors.buttonFace);
        DrawFace(face, picture.image, theme);
    }
    DrawCaption(picture.image, size, drawn, colors, picture.state);
    picture.image.setDevicePixelRatio(1.0);
    DrawIcon(picture.image, size, ratio, drawn, drawn.style, picture.state);

    // Outside the shape nothing of the button shows.
    const QRegion outside = QRegion(0, 0, W, H) - ButtonRegion(drawn.style, devicePixels);
    if (!outside.isEmpty()) {
        QPainter p(&picture.image);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect& r : outside) {
            p.fillRect(r, Qt::transparent);
        }
    }
    picture.image.setDevicePixelRatio(ratio);
    return picture;
}

SystemColors SystemColorsFrom(const QPalette& palette) {
    SystemColors c;
    c.buttonFace = palette.color(QPalette::Active, QPalette::Button);
    c.buttonShadow = palette.color(QPalette::Active, QPalette::Dark);
    c.buttonText = palette.color(QPalette::Active, QPalette::ButtonText);
    c.grayText = palette.color(QPalette::Disabled, QPalette::ButtonText);
    c.highlight = palette.color(QPalette::Active, QPalette::Highlight);
    c.window = palette.color(QPalette::Active, QPalette::Base);
    c.light3d = palette.color(QPalette::Active, QPalette::Midlight);
    c.highlight3d = palette.color(QPalette::Active, QPalette::Light);
    c.darkShadow3d = palette.color(QPalette::Active, QPalette::Shadow);
    c.toolTipBack = palette.color(QPalette::Active, QPalette::ToolTipBase);
    c.toolTipText = palette.color(QPalette::Active, QPalette::ToolTipText);
    return c;
}
