// Style 5: the look of every button in this program, exact to the pixel.

#include "ButtonFaces.h"

#include <array>

namespace {

QColor Hex(QRgb rgb) {
    return QColor(rgb);
}

// The twelve pixels that round off the corners of the disabled look.
std::array<std::pair<int, int>, 12> DisabledCorners(int W, int H) {
    return {{{0, 1},
             {1, 1},
             {1, 0},
             {0, H - 2},
             {1, H - 2},
             {1, H - 1},
             {W - 1, 1},
             {W - 2, 1},
             {W - 2, 0},
             {W - 1, H - 2},
             {W - 2, H - 2},
             {W - 2, H - 1}}};
}

// The frame shared by the system look and the custom pressed look.
void Frame(PixelCanvas& c, int W, int H, const QColor& colour) {
    c.Line(1, 0, W - 1, 0, colour);
    c.Line(0, 1, 0, H - 1, colour);
    c.Line(W - 1, 1, W - 1, H - 1, colour);
    c.Line(1, H - 1, W - 1, H - 1, colour);
}

void SystemFace(const FaceContext& f) {
    PixelCanvas& c = f.canvas;
    const int W = f.W;
    const int H = f.H;
    c.Background(f.sys.buttonFace);
    if (f.state == ButtonDisabled) {
        c.Background(Hex(0xF5F4EA));
        c.Outline(0, 0, W - 1, H - 1, Hex(0xC9C7BA));
        const QColor corner = Hex(0xD8D5C7);
        for (auto [x, y] : DisabledCorners(W, H)) {
            c.Pixel(x, y, corner);
        }
        return;
    }
    if (f.state == ButtonPressed) {
        c.VGradient(2, W - 2, 1, 4, Hex(0xD1CCC1), Hex(0xE4E3DC));
        c.VGradient(2, W - 2, 4, H - 8, Hex(0xE4E3DC), Hex(0xE3E2DB));
        c.VGradient(3, W - 2, H - 4, 3, Hex(0xE3E2DB), Hex(0xF2F1EE));
        c.VGradient(1, 1, 3, H - 5, Hex(0xDAD8CE), Hex(0xE3E2DB));
        c.VGradient(2, 2, 4, H - 7, Hex(0xDAD8CE), Hex(0xE3E2DB));
    } else {
        c.VGradient(1, W - 3, 1, 4, Hex(0xFCFCFB), Hex(0xF0F0F0));
        c.VGradient(1, W - 3, 4, H - 8, Hex(0xFAFAF9), Hex(0xF0F0EA));
        c.VGradient(1, W - 3, H - 4, 3, Hex(0xEBEBE6), Hex(0xD6D0C5));
        c.VGradient(W - 3, W - 3, 3, H - 5, Hex(0xFBFBFA), Hex(0xE4E2DA));
        c.VGradient(W - 2, W - 2, 3, H - 5, Hex(0xF5F4F2), Hex(0xDBD7CD));
    }

    Frame(c, W, H, Hex(0x003C74));
    for (auto [x, y] : {std::pair{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}}) {
        c.Pixel(x, y, Hex(0x486E90));
    }
    for (auto [x, y] : {std::pair{0, 1},
                        {1, 0},
                        {1, H - 1},
                        {0, H - 2},
                        {W - 1, H - 2},
                        {W - 2, H - 1},
                        {W - 2, 0},
                        {W - 1, 1}}) {
        c.Pixel(x, y, Hex(0x6A8BA2));
    }
    for (auto [x, y] : {std::pair{1, 2},
                        {2, 1},
                        {2, H - 2},
                        {1, H - 3},
                        {W - 2, H - 3},
                        {W - 3, H - 2},
                        {W - 3, 1},
                        {W - 2, 2}}) {
        c.Pixel(x, y, Hex(0xBFC7CA));
    }

    if (f.state == ButtonHot) {
        c.Line(2, 1, W - 2, 1, Hex(0xFFF0CF));
        c.Line(2, 2, W - 2, 2, Hex(0xFDD889));
        c.Line(2, H - 3, W - 2, H - 3, Hex(0xF8B330));
        c.Line(2, H - 2, W - 2, H - 2, Hex(0xE59710));
        c.VGradient(1, 2, 2, H - 5, Hex(0xFDD889), Hex(0xF8B330));
        c.VGradient(W - 3, W - 2, 2, H - 5, Hex(0xFDD889), Hex(0xF8B330));
    } else if (f.state == ButtonNormal && f.hasFocus) {
        c.Line(2, H - 2, W - 2, H - 2, Hex(0x6982EE));
        c.Line(2, 1, W - 2, 1, Hex(0xCEE7FF));
        c.Line(2, 2, W - 2, 2, Hex(0xBCD4F6));
        c.Line(2, H - 3, W - 2, H - 3, Hex(0x89ADE4));
        c.VGradient(1, 2, 2, H - 5, Hex(0xBCD4F6), Hex(0x89ADE4));
        c.VGradient(W - 3, W - 2, 2, H - 5, Hex(0xBCD4F6), Hex(0x89ADE4));
    }
}

void CustomFace(const FaceContext& f) {
    PixelCanvas& c = f.canvas;
    const int W = f.W;
    const int H = f.H;
    const QColor B = f.look.backColor;
    auto s = [&B](int d) {
        return Shift(B, d);
    };

    if (f.state == ButtonDisabled) {
        c.Background(B);
        c.Outline(0, 0, W - 1, H - 1, s(-64));
        for (auto [x, y] : DisabledCorners(W, H)) {
            c.Pixel(x, y, s(-53));
        }
        return;
    }
    if (f.state == ButtonPressed) {
        c.Background(B);
        c.VGradient(2, W - 2, 1, 4, s(-37), s(-21));
        c.VGradient(2, W - 2, 4, H - 8, s(-21), s(-5));
        c.VGradient(3, W - 2, H - 4, 3, s(-5), s(5));
        c.VGradient(1, 1, 3, H - 5, s(-32), s(-22));
        c.VGradient(2, 2, 4, H - 7, s(-24), s(-15));
        c.Pixel(1, 2, s(-48));
        c.Pixel(2, 1, s(-48));
        c.Pixel(2, H - 2, s(-5));
        c.Pixel(1, H - 3, s(-16));
        c.Pixel(W - 2, H - 3, s(18));
        c.Pixel(W - 3, H - 2, s(8));
        c.Pixel(W - 3, 1, s(-48));
        c.Pixel(W - 2, 2, s(-37));
        Frame(c, W, H, s(-128));
        for (auto [x, y] : {std::pair{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}}) {
            c.Pixel(x, y, s(-96));
        }
        return;
    }

    c.Background(B);
    c.VGradient(1, W - 3, 1, H - 3, B, s(-15));
    c.VGradient(1, 1, 2, H - 5, s(21), s(-21));
    c.VGradient(W - 2, W - 2, 2, H - 5, s(-5), s(-32));
    c.Line(2, 1, W - 2, 1, s(5));
    c.Line(1, 2, W - 1, 2, s(2));
    c.Line(2, H - 4, W - 2, H - 4, s(-16));
    c.Line(2, H - 3, W - 2, H - 3, s(-24));
    c.Line(2, H - 2, W - 2, H - 2, s(-37));
    const QColor frame = s(-128);
    c.ClippedFrame(W, H, frame);
    c.CornerRounding(W, H, s(-21));

    const bool ring = f.state == ButtonHot || (f.hasFocus && f.look.showFocus);
    if (ring) {
        const QColor R = f.state == ButtonHot ? f.look.highlightColor : f.sys.highlight;
        c.Line(2, 1, W - 2, 1, Shift(R, 85));
        c.Line(2, 2, W - 2, 2, Shift(R, 69));
        c.Line(2, H - 3, W - 2, H - 3, Shift(R, 16));
        c.Line(2, H - 2, W - 2, H - 2, R);
        c.VGradient(1, 2, 2, H - 5, Shift(R, 69), Shift(R, 16));
        c.VGradient(W - 3, W - 2, 2, H - 5, Shift(R, 69), Shift(R, 16));
    }
}

} // namespace

void DrawXpFace(const FaceContext& f) {
    if (f.look.useCustomColors) {
        CustomFace(f);
    } else {
        SystemFace(f);
    }
}
