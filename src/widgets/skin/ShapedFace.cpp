#include "ShapedFace.h"

#include "DevicePixels.h"
#include "SkinPictures.h"

#include <QPainter>

namespace {

QImage Keyed(const QImage& art, const std::optional<QColor>& backing) {
    return backing ? KeyOutside(art, *backing) : KeyOutside(art);
}

} // namespace

ShapedFace::ShapedFace(Art art, std::optional<QColor> backing)
    : art_(std::move(art)), backing_(backing), atRatioOne_(Keyed(art_(1.0), backing_)),
      shape_(KeyRegion(atRatioOne_)) {}

ShapedFace::ShapedFace(const QString& svgPath, QSize size)
    : ShapedFace([svgPath, size](qreal ratio) { return RenderSvg(svgPath, size, ratio); }) {}

QImage ShapedFace::Picture(qreal ratio) {
    if (ratio == 1.0)
        return atRatioOne_;
    if (atLastRatio_.isNull() || atLastRatio_.devicePixelRatio() != ratio)
        atLastRatio_ = KeyToShape(art_(ratio), shape_, backing_);
    return atLastRatio_;
}

void ShapedFace::Paint(QPainter& painter) {
    painter.drawImage(0, 0, Picture(PaintRatio(painter)));
}
