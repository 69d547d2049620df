#include "SkinPictures.h"

#include "DevicePixels.h"
#include "SvgIconEngine.h"

#include <QBitmap>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <limits>
#include <vector>

namespace {

QImage Render(QSvgRenderer& renderer, QSize size, qreal ratio = 1.0) {
    QImage image(DevicePixels(QRect(QPoint(0, 0), size), ratio).size(),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
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

// An edge pixel in its own colour (from an unpremultiplied pixel).
constexpr QRgb OwnColour(QRgb plain) {
    return plain | 0xFF000000u;
}

// An edge pixel laid over the backing (from a premultiplied pixel).
QRgb Over(QRgb premultiplied, QRgb back) {
    const int show = 255 - qAlpha(premultiplied);
    return qRgb(qRed(premultiplied) + qRed(back) * show / 255,
                qGreen(premultiplied) + qGreen(back) * show / 255,
                qBlue(premultiplied) + qBlue(back) * show / 255);
}

// A pixel the art leaves mostly uncovered has no reliable colour of its own; inside the shape it
// takes that of the nearest well covered pixel, which is the outline's.
QRgb NearestOwnColour(const QImage& plain, int x, int y) {
    QRgb best = plain.pixel(x, y);
    int bestDistance = std::numeric_limits<int>::max();
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
            const QPoint at(x + dx, y + dy);
            if (!plain.valid(at) || MostlyUncovered(plain.pixel(at)))
                continue;
            const int distance = dx * dx + dy * dy;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = plain.pixel(at);
            }
        }
    return OwnColour(best);
}

// The first and last logical cells a device column (or row) overlaps.
struct CellSpan {
    int first;
    int last;
};

CellSpan CellsOf(int devicePixel, qreal ratio) {
    const int first = static_cast<int>(std::floor(devicePixel / ratio));
    const int last = static_cast<int>(std::ceil((devicePixel + 1) / ratio)) - 1;
    return {first, std::max(first, last)};
}

} // namespace

QImage RenderSvg(const QString& svgPath, QSize size, qreal ratio) {
    QSvgRenderer renderer(svgPath);
    return Render(renderer, size, ratio);
}

QImage RenderSvg(const QByteArray& svgSource, QSize size, qreal ratio) {
    QSvgRenderer renderer(svgSource);
    return Render(renderer, size, ratio);
}

QImage KeyOutside(const QImage& art) {
    const QImage plain = art.convertToFormat(QImage::Format_ARGB32);
    QImage keyed(plain.size(), QImage::Format_RGB32);
    for (int y = 0; y < plain.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < plain.width(); ++x)
            out[x] = MostlyUncovered(in[x]) ? ColourKey : OwnColour(in[x]);
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
        for (int x = 0; x < over.width(); ++x)
            out[x] = MostlyUncovered(in[x]) ? ColourKey : Over(in[x], back);
    }
    return keyed;
}

QImage KeyToShape(const QImage& art, const QRegion& shape, const std::optional<QColor>& backing) {
    const qreal ratio = art.devicePixelRatio();
    // The shape as one byte per logical pixel, wide enough for every cell a device pixel meets.
    const QSize cells(CellsOf(art.width() - 1, ratio).last + 1,
                      CellsOf(art.height() - 1, ratio).last + 1);
    QImage inside(cells, QImage::Format_Grayscale8);
    inside.fill(0);
    {
        QPainter painter(&inside);
        for (const QRect& r : shape)
            painter.fillRect(r, Qt::white);
    }
    const auto touches = [&inside](CellSpan xs, CellSpan ys) {
        for (int cy = ys.first; cy <= ys.last; ++cy)
            for (int cx = xs.first; cx <= xs.last; ++cx)
                if (inside.constScanLine(cy)[cx] != 0)
                    return true;
        return false;
    };

    std::vector<CellSpan> columns(art.width());
    for (int x = 0; x < art.width(); ++x)
        columns[x] = CellsOf(x, ratio);

    const QImage over = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage plain = art.convertToFormat(QImage::Format_ARGB32);
    QImage keyed(art.size(), QImage::Format_RGB32);
    keyed.setDevicePixelRatio(ratio);
    for (int y = 0; y < art.height(); ++y) {
        const CellSpan ys = CellsOf(y, ratio);
        const auto* premultiplied = reinterpret_cast<const QRgb*>(over.constScanLine(y));
        const auto* own = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < art.width(); ++x) {
            if (!touches(columns[x], ys))
                out[x] = ColourKey;
            else if (backing)
                out[x] = Over(premultiplied[x], backing->rgb());
            else if (MostlyUncovered(own[x]))
                out[x] = NearestOwnColour(plain, x, y);
            else
                out[x] = OwnColour(own[x]);
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
    return QIcon(new SvgIconEngine(svgPath, icon));
}
