#pragma once
// Turns the dialog's vector artwork into the pictures the window shows: the background with a
// pure magenta colour key outside its outline, the window shape taken from that key, and icons.

#include <QImage>
#include <QRegion>
#include <QSize>
#include <QString>

// The SVG at `size`; pixels the drawing leaves mostly uncovered become pure magenta and every
// other pixel is made opaque, so the outline has no pink fringe.
QImage KeyedPicture(const QString& svgPath, QSize size);

// Everything of the picture that is not pure magenta.
QRegion KeyMask(const QImage& picture);

// The SVG at `size` with its own transparency, for icons.
QImage RenderedIcon(const QString& svgPath, QSize size);
