#include "SkinPicture.h"

#include <QBitmap>
#include <QColor>
#include <QPainter>
#include <QSvgRenderer>

namespace {

constexpr QRgb ColourKey = 0xFFFF00FF;

} // namespace

QImage RenderedIcon(const QString& svgPath, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svgPath);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QImage KeyedPicture(const QString& svgPath, QSize size) {
    // The renderer always smooths edges; keying a smoothed magenta edge would leave a pink
    // seam, so the drawing is rendered over nothing and the key is applied afterwards.
    const QImage drawn = RenderedIcon(svgPath, size).convertToFormat(QImage::Format_ARGB32);
    QImage keyed(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            out[x] = qAlpha(in[x]) < 128 ? ColourKey : (in[x] | 0xFF000000u);
    }
    return keyed;
}

QRegion KeyMask(const QImage& picture) {
    // The mask image marks key pixels with 1, which QBitmap reads as white, i.e. not set: the
    // region of the bitmap is therefore everything that is not the key.
    return QRegion(QBitmap::fromImage(picture.createMaskFromColor(ColourKey, Qt::MaskInColor)));
}
