#pragma once
// The main window's pictures: the keyed background with the idle looks of the toolbar, menu
// row and tabs drawn in, the hover and pressed pictures laid over it, and the small artwork
// (icons, cursor). Everything is rendered from the SVG sources at the sizes the layout gives.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>

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

// 636 x 510, pure magenta outside the window's outline, idle looks drawn in.
const QImage& Background();

QPixmap ToolbarPicture(int index, Look look); // index as in the command table
QPixmap MenuPicture(int index, Look look);    // 0 File, 2 Settings, 3 About
QPixmap TabPicture(int tab, Look look);       // 0 task list, 1 music browser; Pressed = selected

QPixmap SearchPicture();
QImage DownloadIcon();
QIcon GenreIcon(int number); // 1 to 11, as the tree's image list numbers them
QIcon WindowIcon();
QCursor HandCursor();

} // namespace SkinArt
