// Style 7: a rounded gradient built from the face colour.

#include "ButtonFaces.h"

void DrawRoundedFace(const FaceContext& f) {
    PixelCanvas& c = f.canvas;
    const int W = f.W;
    const int H = f.H;
    const QColor F = f.Face();
    const QColor S = f.Highlight();
    const int base = f.state == ButtonHot        ? 24
                     : f.state == ButtonPressed  ? -9
                     : f.state == ButtonDisabled ? 18
                                                 : 8;
    const QColor B = Shift(F, base);
    auto b = [&B](int d) {
        return Shift(B, d);
    };
    auto fs = [&F](int d) {
        return Shift(F, d);
    };
    const QColor frame = b(-96);

    c.Background(B);
    if (f.state == ButtonPressed) {
        c.VGradient(1, W - 3, 1, H - 2, b(-15), B);
        c.VGradient(W - 2, W - 2, 2, H - 5, b(-21), b(21));
        c.VGradient(1, 1, 2, H - 5, b(-32), b(-5));
    } else {
        const int d = f.state == ButtonHot ? 16 : 15;
        c.VGradient(1, W - 3, 1, H - 3, b(d), b(-d));
        c.VGradient(1, 1, 2, H - 5, b(21), b(-21));
        c.VGradient(W - 2, W - 2, 2, H - 5, b(-5), b(-32));
    }
    c.ClippedFrame(W, H, frame);
    const QColor outer = f.state == ButtonDisabled ? fs(5) : fs(-21);
    c.CornerRounding(W, H, outer);
    if (f.state == ButtonPressed) {
        c.Line(2, H - 2, W - 2, H - 2, fs(8));
        c.Line(2, 1, W - 2, 1, fs(-21));
    } else {
        c.Line(2, 1, W - 2, 1, fs(21));
        c.Line(2, H - 2, W - 2, H - 2, f.state == ButtonHot ? fs(-16) : fs(-37));
    }

    if (f.state == ButtonHot || (f.state == ButtonNormal && f.hasFocus)) {
        c.Line(2, 1, W - 2, 1, Shift(S, 21));
        c.Line(1, 2, W - 1, 2, Shift(S, 21));
        c.Line(1, H - 3, W - 1, H - 3, Shift(S, -5));
        c.Line(2, H - 2, W - 2, H - 2, Shift(S, -21));
    }
}
