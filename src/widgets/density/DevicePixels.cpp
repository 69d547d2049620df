#include "DevicePixels.h"

#include <QPainter>

#include <cmath>

namespace {

QRect RoundedEdges(const QRectF& device) {
    return QRect(QPoint(qRound(device.left()), qRound(device.top())),
                 QPoint(qRound(device.right()) - 1, qRound(device.bottom()) - 1));
}

} // namespace

QRect DevicePixels(const QRect& logical, qreal ratio) {
    return RoundedEdges(QRectF(QPointF(logical.topLeft()) * ratio, QSizeF(logical.size()) * ratio));
}

qreal PaintRatio(const QPainter& painter) {
    // The device transform holds the ratio however the painting got there: a window's backing
    // store, a grab, or a render into an image of another ratio.
    const qreal ratio = painter.deviceTransform().m11();
    return ratio > 0 ? ratio : 1.0;
}

QRect PaintedPixels(const QPainter& painter, const QRect& logical) {
    return RoundedEdges(painter.deviceTransform().mapRect(QRectF(logical)));
}

QRegion CoveringRegion(const QRegion& device, qreal ratio) {
    if (ratio == 1.0)
        return device;
    QRegion logical;
    for (const QRect& r : device) {
        const int left = static_cast<int>(std::floor(r.left() / ratio));
        const int top = static_cast<int>(std::floor(r.top() / ratio));
        const int right = static_cast<int>(std::ceil((r.right() + 1) / ratio));
        const int bottom = static_cast<int>(std::ceil((r.bottom() + 1) / ratio));
        logical += QRect(left, top, right - left, bottom - top);
    }
    return logical;
}
