// Style 9: a rounded pill whose edges are shaded column by column.

#include "ButtonFaces.h"

void DrawPillFace(const FaceContext& f) {
    PixelCanvas& c = f.canvas;
    const int W = f.W;
    const int H = f.H;
    QColor B;
    if (f.look.useCustomColors) {
        switch (f.state) {
        case ButtonHot:
            B = Shift(f.look.highlightColor, 1);
            break;
        case ButtonPressed:
            B = Shift(f.look.highlightColor, 24);
            break;
        case ButtonDisabled:
            B = Shift(f.look.backColor, 15);
            break;
        default:
            B = Shift(f.look.backColor, -15);
            break;
        }
    } else {
        const int d = f.state == ButtonHot        ? 1
                      : f.state == ButtonPressed  ? 24
                      : f.state == ButtonDisabled ? 15
                                                  : -15;
        B = Shift(f.sys.buttonFace, d);
    }
    auto b = [&B](int d) {
        return Shift(B, d);
    };
    auto r = [H](double minus) {
        return RoundHalfEven(H / 2.0 - minus);
    };
    auto column = [&c](int x, int y, int n, const QColor& c1, const QColor& c2) {
        c.VGradient(x, x, y, n, c1, c2);
    };

    c.Background(B);
    c.VGradient(5, W - 6, 2, H - 6, b(32), b(-32));
    column(0, 0, H - 4, b(128), b(-128));

    column(2, 4, r(7), B, b(-37));
    column(3, 3, r(7), B, b(-53));
    column(4, 2, r(7), B, b(-37));
    column(5, 2, r(4), b(37), b(5));

    column(2, r(2), r(5), b(-37), b(-32));
    column(3, r(3), r(3), b(-53), b(-32));
    column(4, r(4), r(1), b(-37), b(-32));
    column(5, r(4), r(3), b(5), b(-5));

    c.HGradient(5, 12, H - 5, b(-53), b(-32));
    c.HGradient(4, 7, H - 6, b(-56), b(-32));
    c.HGradient(3, 5, H - 7, b(-37), b(-32));

    column(W - 2, 0, H - 4, b(128), b(-128));
    column(W - 1, 0, r(0), b(128), b(-48));
    column(W - 1, r(0), r(4), b(-64), b(-8));

    column(W - 4, 4, r(5), B, b(-37));
    column(W - 5, 3, r(4), B, b(-48));
    column(W - 6, 2, r(3), B, b(-37));
    column(W - 7, 2, r(4), b(37), b(5));

    column(W - 4, r(0), r(5), b(-37), b(-21));
    column(W - 5, r(0), r(5), b(-48), b(-37));
    column(W - 6, r(0), r(4), b(-37), b(-53));
    column(W - 7, r(0), r(4), b(-5), b(-37));

    c.HGradient(W - 15, W - 7, H - 4, b(-32), b(-53));

    c.Line(3, 0, W - 3, 0, b(48));
    c.Line(1, 1, W - 1, 1, b(48));
    c.Line(5, 1, W - 5, 1, B);

    c.HGradient(W - 11, W - 4, 2, b(32), B);
    c.HGradient(W - 10, W - 5, 3, b(32), B);
    c.HGradient(W - 9, W - 6, 4, b(32), B);

    c.Line(6, 3, 7, 3, b(128));

    c.Line(3, H - 1, W - 3, H - 1, b(-16));
    c.Line(2, H - 2, W - 3, H - 2, b(-128));
    c.Line(7, H - 3, W - 7, H - 3, B);
    c.Pixel(1, H - 3, b(-112));
    c.Pixel(W - 3, H - 3, b(-112));
    c.Line(W - 4, H - 1, W - 1, H - 4, b(-21));
}
