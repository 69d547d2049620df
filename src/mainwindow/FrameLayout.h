#pragma once
// Where everything sits on the main window. The layout was drawn in twips (15 to a pixel at
// 96 dots per inch); keeping the twips here lets the numbers be checked against the drawing.

#include <QRect>

namespace FrameLayout {

constexpr int TwipsPerPixel = 15;

constexpr int Px(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
constexpr QRect FromTwips(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

constexpr QSize ClientSize(Px(9510), Px(7620));
constexpr QSize BackgroundSize(636, 510);

// Toolbar images by command index; index 2 has no image.
constexpr int ToolbarCount = 6;
constexpr QRect ToolbarRect(int index) {
    constexpr int lefts[ToolbarCount] = {240, 1290, 0, 2370, 3375, 4350};
    return FromTwips(lefts[index], 870, 900, 1080);
}

// Menu labels by menu index; index 1 has no label.
constexpr int MenuCount = 4;
constexpr QRect MenuRect(int index) {
    switch (index) {
    case 0:
        return FromTwips(260, 460, 615, 270);
    case 2:
        return FromTwips(910, 465, 1080, 270);
    default:
        return FromTwips(2020, 465, 945, 270);
    }
}
// A popup menu opens just under its label.
constexpr int MenuDropTwips = 300;

constexpr QRect MinimiseRect = FromTwips(8880, 150, 255, 255);
constexpr QRect CloseRect = FromTwips(9150, 150, 255, 225);
constexpr QRect WebLinkRect = FromTwips(510, 7290, 1305, 210);
constexpr QRect FeedbackLinkRect = FromTwips(8460, 7290, 840, 210);

constexpr QRect TreeRect = FromTwips(330, 2490, 2085, 3735);
constexpr QRect BrowserRect = FromTwips(2505, 2130, 6795, 4755);
constexpr QRect TaskListRect = FromTwips(2520, 2430, 6765, 4455);
constexpr QRect DownloadButtonRect = FromTwips(2520, 2130, 3285, 345);
constexpr QRect TaskTabRect = FromTwips(2520, 6900, 2100, 315);
constexpr QRect BrowserTabRect = FromTwips(4630, 6900, 2100, 315);
constexpr QRect SearchBoxRect = FromTwips(420, 6870, 1485, 195);
constexpr QRect SearchImageRect = FromTwips(2040, 6780, 255, 345);

// The progress strip sits between the two links; its bar is 4215 twips long at 100 %.
constexpr int ProgressFullTwips = 4215;
constexpr QRect ProgressStripRect(202, 488, Px(ProgressFullTwips) + 2, 12);

constexpr QRect ProgramIconRect(8, 6, 16, 16);

} // namespace FrameLayout
