#pragma once
// Pictures of a window at a device pixel ratio, for the tests that show what a denser screen
// gains: the window rendered straight into an image of that ratio, and its 1x picture blown up
// to the same pixels, which is what the screen showed while the windows were drawn at 1x.

#include "DevicePixels.h"

#include <QImage>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

// A test table's "ratio" column, a row for each ratio.
inline void RatioRows(std::initializer_list<qreal> ratios) {
    QTest::addColumn<qreal>("ratio");
    for (qreal ratio : ratios)
        QTest::addRow("%gx", ratio) << ratio;
}

inline QImage RenderedAt(QWidget& widget, qreal ratio) {
    QImage image(DevicePixels(widget.rect(), ratio).size(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image.convertToFormat(QImage::Format_ARGB32);
}

inline QImage BlownUp(const QImage& oneX, QSize devicePixels) {
    QImage up = oneX.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    up.setDevicePixelRatio(1.0);
    return up.convertToFormat(QImage::Format_ARGB32);
}

inline int ChannelDifference(QRgb p, QRgb q) {
    return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                     std::abs(qBlue(p) - qBlue(q))});
}

// The largest difference of a colour channel between two pictures of the same size.
inline int LargestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            largest = std::max(largest, ChannelDifference(a.pixel(x, y), b.pixel(x, y)));
    return largest;
}

// The share of the device pixels of a logical area where two pictures differ clearly.
inline double ShareDiffering(const QImage& a, const QImage& b, const QRect& logical, qreal ratio) {
    const QRect pixels = DevicePixels(logical, ratio) & a.rect() & b.rect();
    int differing = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            differing += ChannelDifference(a.pixel(x, y), b.pixel(x, y)) > 24 ? 1 : 0;
        }
    return pixels.isEmpty() ? 0.0 : double(differing) / (pixels.width() * pixels.height());
}

// Whether a logical area of a picture drawn at a ratio holds detail that the 1x picture blown up
// lacks: a picture drawn at 1x and scaled shows no difference at all, one drawn at the device
// pixels differs wherever an edge or a glyph falls.
inline bool HoldsMoreDetail(const QImage& dense, const QImage& blownUp, const QRect& logical,
                            qreal ratio) {
    return ShareDiffering(dense, blownUp, logical, ratio) > 0.02;
}

// Whether the top edge of a logical rectangle is drawn as an unbroken line of one colour, one
// device pixel thick: every pixel of the edge row but the clipped corners, and none below it.
inline bool TopEdgeIsOneDevicePixel(const QImage& image, const QRect& logical, qreal ratio,
                                    QRgb colour) {
    const QRect pixels = DevicePixels(logical, ratio);
    for (int x = pixels.left() + 2; x <= pixels.right() - 2; ++x)
        if ((image.pixel(x, pixels.top()) | 0xFF000000u) != colour)
            return false;
    return (image.pixel(pixels.center().x(), pixels.top() + 1) | 0xFF000000u) != colour;
}
