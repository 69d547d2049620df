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
#include <optional>

// Outside every window outline, and nowhere else.
inline constexpr QRgb ColourKey = 0xFFFF00FF;

// The drawing over nothing (premultiplied, transparent where it draws nothing), filling `size`
// logical pixels. Above ratio 1 the image has the device pixels a window of that size covers and
// carries the ratio; the art is drawn at exactly the ratio's scale, so pieces cut from it line
// up with pictures drawn for the same place.
QImage RenderSvg(const QString& svgPath, QSize size, qreal ratio = 1.0);
QImage RenderSvg(const QByteArray& svgSource, QSize size, qreal ratio = 1.0);

// Pixels the art leaves mostly uncovered become the key and all others opaque, so the outline
// never carries a blended magenta fringe. Without a backing, edge pixels keep their own colour;
// with one, they are laid over it.
QImage KeyOutside(const QImage& art);
QImage KeyOutside(const QImage& art, const QColor& backing);

// RenderSvg followed by KeyOutside.
QImage KeyedPicture(const QString& svgPath, QSize size);

// Everything of a keyed picture that is not the key: the part of the window that is shown.
QRegion KeyRegion(const QImage& keyed);

// Art drawn at a device pixel ratio, keyed to a shape of logical pixels: every device pixel that
// touches the shape shows, edges laid over the backing or in their own colour as KeyOutside does,
// and every other pixel is the key. A window mask is kept in logical pixels, so this is the
// finest outline a shaped window can show; no key colour is left inside it. At ratio 1, with the
// shape of KeyOutside(art), it is KeyOutside(art).
QImage KeyToShape(const QImage& art, const QRegion& shape,
                  const std::optional<QColor>& backing = std::nullopt);

// The drawing with its own transparency, `size` in device-independent pixels.
QPixmap RenderIcon(const QString& svgPath, QSize size, qreal devicePixelRatio = 1.0);

// One square picture for each side, so the desktop picks the sharpest; at a device pixel ratio
// above 1 the icon is drawn afresh from the artwork at the size it is shown at.
QIcon RenderIconSet(const QString& svgPath, std::initializer_list<int> sides);
