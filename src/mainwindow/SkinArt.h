#pragma once
// The main window's pictures: the keyed background with the idle looks of the toolbar, menu
// row and tabs drawn in, the hover and pressed pictures laid over it, and the small artwork
// (icons, cursor). Everything is rendered from the SVG sources at the sizes the layout gives,
// at a device pixel ratio: the pictures of a place have exactly the device pixels the window
// shows there, so a hover picture lines up with the background at 1.25 and 1.5 too.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRegion>

namespace SkinArt {

enum class Look { Normal, Hover, Pressed };

namespace Colour {
inline const QColor DeepFrame{0x1F, 0x3A, 0x5A};
inline const QColor Rim{0x16, 0x29, 0x3F};
inline const QColor PanelFace{0xF4, 0xF7, 0xFB};
inline const QColor PanelBorder{0xC5, 0xD3, 0xE3};
inline const QColor Accent{0x2E, 0x8B, 0xD8};
inline const QColor AccentLight{0x6B, 0xB3, 0xEC};
inline const QColor AccentDark{0x1D, 0x6C, 0xB0};
inline const QColor Text{0x1E, 0x2A, 0x36};
inline const QColor Busy{0x3F, 0xB9, 0x50};
inline const QColor Link{68, 115, 157};
} // namespace Colour

QFont UiFont(int pixelSize, bool bold = false);

// 636 x 510 logical pixels, pure magenta outside the window's outline, idle looks drawn in.
QImage Background(qreal ratio = 1.0);
// The window's outline: what of the background is not the key, the same at every ratio.
const QRegion& Shape();

QPixmap ToolbarPicture(int index, Look look, qreal ratio = 1.0); // index as in the command table
QPixmap MenuPicture(int index, Look look, qreal ratio = 1.0);    // 0 File, 2 Settings, 3 About
// 0 task list, 1 music browser; Pressed = selected
QPixmap TabPicture(int tab, Look look, qreal ratio = 1.0);

QPixmap SearchPicture(qreal ratio = 1.0);
QImage DownloadIcon(qreal ratio = 1.0);
QIcon GenreIcon(int number); // 1 to 11, as the tree's image list numbers them
QIcon WindowIcon();
QCursor HandCursor();

} // namespace SkinArt
