#pragma once
// Where logical pixels land on device pixels at a device pixel ratio, so that pictures can be
// made for exactly the pixels they cover. Qt puts each edge of a widget at its logical place
// times the ratio, rounded to the nearest device pixel; a picture of that many pixels is drawn
// one to one, with no gap, seam or resampling, at 1.25 and 1.5 as well as at 2.

#include <QRect>
#include <QRegion>

class QPainter;

// The device pixels a logical rectangle of a window covers, in the window's device pixels.
QRect DevicePixels(const QRect& logical, qreal ratio);

// The device pixel ratio a painter draws at: that of the screen a window is on, or that of
// the image a window is rendered into.
qreal PaintRatio(const QPainter& painter);

// The device pixels a painter puts a rectangle of its own coordinates on.
QRect PaintedPixels(const QPainter& painter, const QRect& logical);

// The logical pixels that a region of device pixels touches: a widget mask that cuts nothing
// that was drawn in finer detail than the mask can follow.
QRegion CoveringRegion(const QRegion& device, qreal ratio);
