#include "SvgIconEngine.h"

#include "SkinPictures.h"

#include <QPainter>

SvgIconEngine::SvgIconEngine(const QString& svgPath, const QIcon& atRatioOne)
    : svgPath_(svgPath), atRatioOne_(atRatioOne) {}

void SvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                          QIcon::State state) {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    if (ratio <= 1.0) {
        atRatioOne_.paint(painter, rect, Qt::AlignCenter, mode, state);
        return;
    }
    painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
}

QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return atRatioOne_.pixmap(size, 1.0, mode, state);
}

// `size` is in device pixels here.
QPixmap SvgIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                    qreal scale) {
    if (scale <= 1.0)
        return pixmap(size, mode, state);
    // A plain icon of the one fresh picture makes the disabled and selected looks from it as the
    // prepared pictures get theirs.
    const QIcon fresh(QPixmap::fromImage(RenderSvg(svgPath_, size)));
    QPixmap picture = fresh.pixmap(size, 1.0, mode, state);
    picture.setDevicePixelRatio(scale);
    return picture;
}

QSize SvgIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return atRatioOne_.actualSize(size, mode, state);
}

QList<QSize> SvgIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    return atRatioOne_.availableSizes(mode, state);
}
