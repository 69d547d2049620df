#pragma once
// A shaped window's face at whatever device pixel ratio the window is painted at. The shape is
// that of the 1x picture and the same at every ratio: Qt keeps a window mask in logical pixels,
// so on a 2x screen each mask pixel is a block of 2 x 2 device pixels and a finer outline could
// not be shown. The face's device pixels fill that shape exactly, with no key colour inside it,
// and everything else of the face (text, lines, icons) has the full device detail.

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QPainter;

class ShapedFace {
public:
    // The art over nothing at a ratio, as RenderSvg draws it; `backing` as for KeyOutside.
    using Art = std::function<QImage(qreal ratio)>;

    explicit ShapedFace(Art art, std::optional<QColor> backing = std::nullopt);
    ShapedFace(const QString& svgPath, QSize size);

    // The part of the window that shows, in logical pixels.
    const QRegion& Shape() const { return shape_; }

    // The keyed face at a ratio; the last ratio asked for is kept, so a window on one screen
    // renders its face once.
    QImage Picture(qreal ratio);

    // Draws the face at the top-left corner, at the painter's ratio.
    void Paint(QPainter& painter);

private:
    Art art_;
    std::optional<QColor> backing_;
    QImage atRatioOne_;
    QRegion shape_;
    QImage atLastRatio_;
};
