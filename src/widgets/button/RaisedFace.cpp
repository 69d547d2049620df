// Style 8: a raised face with a soft drop shadow to the lower right.

#include "ButtonFaces.h"

void DrawRaisedFace(const FaceContext& f) {
    PixelCanvas& c = f.canvas;
    const int W = f.W;
    const int H = f.H;
    const bool pressed = f.state == ButtonPressed;
    QColor B;
    if (f.look.useCustomColors) {
        B = f.state == ButtonNormal ? f.look.backColor : f.look.highlightColor;
    } else {
        B = f.state == ButtonNormal ? f.sys.buttonFace : Shift(f.sys.buttonFace, 15);
    }
    const QColor outlineBase = f.look.useCustomColors ? f.look.backColor : f.sys.buttonFace;
    const QColor O = Shift(outlineBase, f.hasFocus && !pressed ? -96 : -48);
    auto b = [&B](int d) {
        return Shift(B, d);
    };

    c.Background(B);
    if (pressed) {
        c.VGradient(2, W - 4, 2, H - 6, b(-15), b(15));
    } else {
        c.VGradient(2, W - 4, 2, H - 6, b(15), b(-15));
    }
    const QColor lit = pressed ? B : b(96);
    const QColor unlit = pressed ? b(96) : B;
    c.Line(2, 1, W - 3, 1, lit);
    c.Line(1, 2, 1, H - 3, lit);
    c.Line(2, H - 3, W - 2, H - 3, unlit);
    c.Line(W - 2, 2, W - 2, H - 3, unlit);

    c.Line(2, 0, W - 3, 0, O);
    c.Line(0, 2, 0, H - 3, O);
    c.Line(2, H - 2, W - 3, H - 2, O);
    c.Line(W - 2, 2, W - 2, H - 3, O);
    for (auto [x, y] : {std::pair{1, 1}, {1, H - 3}, {W - 3, 1}, {W - 3, H - 3}}) {
        c.Pixel(x, y, O);
    }

    const QColor shadow = Shift(O, 21);
    c.Line(3, H - 1, W - 4, H - 1, shadow);
    c.Line(W - 1, 3, W - 1, H - 4, shadow);
    c.Line(W - 4, H - 1, W, H - 5, shadow);
    c.Line(W - 3, H - 1, W, H - 4, Shift(shadow, 15));
}
