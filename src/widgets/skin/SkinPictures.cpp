#include "SkinPictures.h"

#include <QBitmap>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QImage Render(QSvgRenderer& renderer, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

// The renderer always smooths edges; keying a smoothed magenta edge would leave a pink seam, so
// the art is rendered over nothing and the key decided from coverage afterwards.
constexpr bool MostlyUncovered(QRgb pixel) {
    return qAlpha(pixel) < 128;
}

} // namespace

QImage RenderSvg(const QString& svgPath, QSize size) {
    QSvgRenderer renderer(svgPath);
    return Render(renderer, size);
}

QImage RenderSvg(const QByteArray& svgSource, QSize size) {
    QSvgRenderer renderer(svgSource);
    return Render(renderer, size);
}

QImage KeyOutside(const QImage& art) {
    const QImage plain = art.convertToFormat(QImage::Format_ARGB32);
    QImage keyed(plain.size(), QImage::Format_RGB32);
    for (int y = 0; y < plain.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < plain.width(); ++x)
            out[x] = MostlyUncovered(in[x]) ? ColourKey : (in[x] | 0xFF000000u);
    }
    return keyed;
}

QImage KeyOutside(const QImage& art, const QColor& backing) {
    const QImage over = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage keyed(over.size(), QImage::Format_RGB32);
    const QRgb back = backing.rgb();
    for (int y = 0; y < over.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(over.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < over.width(); ++x) {
            const QRgb px = in[x];
            if (MostlyUncovered(px)) {
                out[x] = ColourKey;
                continue;
            }
            const int show = 255 - qAlpha(px);
            out[x] =
                qRgb(qRed(px) + qRed(back) * show / 255, qGreen(px) + qGreen(back) * show / 255,
                     qBlue(px) + qBlue(back) * show / 255);
        }
    }
    return keyed;
}

QImage KeyedPicture(const QString& svgPath, QSize size) {
    return KeyOutside(RenderSvg(svgPath, size));
}

QRegion KeyRegion(const QImage& keyed) {
    // The mask image marks key pixels with 1, which QBitmap reads as white, i.e. not set: the
    // region of the bitmap is therefore everything that is not the key.
    return QRegion(QBitmap::fromImage(keyed.createMaskFromColor(ColourKey, Qt::MaskInColor)));
}

QPixmap RenderIcon(const QString& svgPath, QSize size, qreal devicePixelRatio) {
    QPixmap pixmap = QPixmap::fromImage(RenderSvg(svgPath, size * devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon RenderIconSet(const QString& svgPath, std::initializer_list<int> sides) {
    QSvgRenderer renderer(svgPath);
    QIcon icon;
    for (int side : sides)
        icon.addPixmap(QPixmap::fromImage(Render(renderer, QSize(side, side))));
    return icon;
}
