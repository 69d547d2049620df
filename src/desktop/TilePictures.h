#pragma once
// The pictures of the desktop pieces, drawn from the artwork at the size and pixel density
// they are shown at.

#include <QPixmap>

enum class TileLook { Idle, Busy };

// The drag zone's background: the logo on a light tile, or the plain tile while busy.
QPixmap TilePicture(TileLook look, qreal devicePixelRatio = 1.0);
