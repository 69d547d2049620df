#pragma once
// Turns SVG artwork into the pictures skinned windows show: faces whose outside is the pure
// magenta colour key, the window shape taken from that key, and icons at the size and pixel
// density they are shown at.

#include <QByteArray>
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QSize>
#include <QString>

#include <initializer_list>

// Outside every window outline, and nowhere else.
inline constexpr QRgb ColourKey = 0xFFFF00FF;

// The drawing over nothing (premultiplied, transparent where it draws nothing), filling `size`.
QImage RenderSvg(const QString& svgPath, QSize size);
QImage RenderSvg(const QByteArray& svgSource, QSize size);

// Pixels the art leaves mostly uncovered become the key and all others opaque, so the outline
// never carries a blended magenta fringe. Without a backing, edge pixels keep their own colour;
// with one, they are laid over it.
QImage KeyOutside(const QImage& art);
QImage KeyOutside(const QImage& art, const QColor& backing);

// RenderSvg followed by KeyOutside.
QImage KeyedPicture(const QString& svgPath, QSize size);

// Everything of a keyed picture that is not the key: the part of the window that is shown.
QRegion KeyRegion(const QImage& keyed);

// The drawing with its own transparency, `size` in device-independent pixels.
QPixmap RenderIcon(const QString& svgPath, QSize size, qreal devicePixelRatio = 1.0);

// One square picture for each side, so the desktop picks the sharpest.
QIcon RenderIconSet(const QString& svgPath, std::initializer_list<int> sides);
