// Style 10: a fixed three-picture skin (silver, bright blue, deep blue) stretched as a nine-part
// frame: rounded corner patches, bands of fixed colours along the sides, a flat centre.

#include "ButtonFaces.h"

#include <algorithm>
#include <cmath>

namespace {

struct Skin {
    QRgb centre;
    QRgb rim;
    QRgb light;
};

constexpr Skin Silver{0xE8E7EA, 0x8C8F98, 0xFFFFFF};
constexpr Skin BrightBlue{0x6AA6E2, 0x2B5C94, 0xC6E0F8};
constexpr Skin DeepBlue{0x6A9BCC, 0x23497A, 0xA9C6E4};

enum Side { Top, Left, Right, Bottom };

QColor Blend(const QColor& a, const QColor& b, double t) {
    auto ch = [t](int x, int y) {
        return RoundHalfEven(x + (y - x) * t);
    };
    return QColor(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()));
}

// The colour at distance d (in pixels) inside the outline on a given side.
QColor Tone(const Skin& skin, double d, Side side) {
    const QColor centre(skin.centre);
    const QColor light(skin.light);
    if (d < 1.0) {
        return QColor(skin.rim);
    }
    const bool lit = side == Top || side == Left;
    if (d < 2.0) {
        return lit ? light : Shift(centre, -28);
    }
    const double t = std::max(0.0, 1.0 - (d - 2.0) / 8.0);
    switch (side) {
    case Top:
        return Blend(centre, light, 0.55 * t);
    case Bottom:
        return Shift(centre, -static_cast<int>(std::lround(24 * t)));
    default:
        return Blend(centre, light, 0.2 * t);
    }
}

// A corner patch, pixel by pixel: distance to the 9-pixel rounding of the outline.
void Corner(PixelCanvas& c, const Skin& skin, int x0, int y0, int w, int h, bool right,
            bool bottom) {
    constexpr double R = 9.0;
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            // Distances from the patch's outer edges.
            const double dx = (right ? w - 1 - i : i) + 0.5;
            const double dy = (bottom ? h - 1 - j : j) + 0.5;
            double d = std::min(dx, dy);
            if (dx < R && dy < R) {
                d = R - std::hypot(R - dx, R - dy);
            }
            const Side side = dy <= dx ? (bottom ? Bottom : Top) : (right ? Right : Left);
            c.Pixel(x0 + i, y0 + j, Tone(skin, std::max(d, 0.0), side));
        }
    }
}

} // namespace

void DrawSkinFace(const FaceContext& f) {
    PixelCanvas& c = f.canvas;
    const int W = f.W;
    const int H = f.H;
    const bool focusLook = f.hasFocus && (f.state == ButtonNormal || f.state == ButtonDisabled);
    const Skin& skin = f.state == ButtonPressed            ? DeepBlue
                       : f.state == ButtonHot || focusLook ? BrightBlue
                                                           : Silver;
    constexpr int TopRows = 11;
    constexpr int BottomRows = 10;
    constexpr int LeftCols = 18;
    constexpr int RightCols = 17;

    c.Background(QColor(skin.centre));
    c.Fill(18, 11, W - 34, H - 19, QColor(skin.centre));
    for (int y = 0; y < TopRows; ++y) {
        c.Line(17, y, W - 17, y, Tone(skin, y + 0.5, Top));
    }
    for (int y = 0; y < BottomRows; ++y) {
        c.Line(17, H - 1 - y, W - 17, H - 1 - y, Tone(skin, y + 0.5, Bottom));
    }
    for (int x = 0; x < LeftCols; ++x) {
        c.Line(x, TopRows, x, H - BottomRows, Tone(skin, x + 0.5, Left));
    }
    for (int x = 0; x < RightCols; ++x) {
        c.Line(W - 1 - x, TopRows, W - 1 - x, H - BottomRows, Tone(skin, x + 0.5, Right));
    }
    Corner(c, skin, 0, 0, LeftCols, TopRows, false, false);
    Corner(c, skin, W - RightCols, 0, RightCols, TopRows, true, false);
    Corner(c, skin, 0, H - BottomRows, LeftCols, BottomRows, false, true);
    Corner(c, skin, W - RightCols, H - BottomRows, RightCols, BottomRows, true, true);
}
