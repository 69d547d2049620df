#pragma once
// Turns the dialog's SVG artwork into pixels: a face whose outside is pure magenta, the window
// shape taken from that magenta, and icons at the size a control shows them.

#include <QBitmap>
#include <QImage>
#include <QPixmap>
#include <QString>

// Renders the face; every pixel the artwork leaves (mostly) uncovered becomes pure magenta and
// every other pixel opaque, so the outline carries no blended magenta fringe.
QImage RenderSkinFace(const QString& svgPath, QSize size);

// Set bits where the face is not magenta: the part of the window that is shown.
QBitmap MaskFromMagenta(const QImage& face);

QPixmap RenderIcon(const QString& svgPath, QSize size, qreal devicePixelRatio = 1.0);
