#include "SkinArt.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {
constexpr QRgb kMagenta = qRgb(255, 0, 255);

QImage RenderSvg(const QString& svgPath, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svgPath);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}
} // namespace

QImage RenderSkinFace(const QString& svgPath, QSize size) {
    QImage face = RenderSvg(svgPath, size).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < face.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(face.scanLine(y));
        for (int x = 0; x < face.width(); ++x)
            line[x] = qAlpha(line[x]) < 128 ? kMagenta : (line[x] | 0xff000000u);
    }
    return face.convertToFormat(QImage::Format_RGB32);
}

QBitmap MaskFromMagenta(const QImage& face) {
    return QBitmap::fromImage(face.createMaskFromColor(kMagenta, Qt::MaskInColor));
}

QPixmap RenderIcon(const QString& svgPath, QSize size, qreal devicePixelRatio) {
    QPixmap pixmap = QPixmap::fromImage(RenderSvg(svgPath, size * devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}
