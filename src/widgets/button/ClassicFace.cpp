// Styles 0 to 4: the desktop's own 3D edges, an etched frame and a flat office look.

#include "ButtonFaces.h"

namespace {

void Edge(const FaceContext& f, PixelCanvas::Edge kind) {
    f.canvas.DrawEdge(kind, f.sys.light3d, f.sys.highlight3d, f.sys.buttonShadow,
                      f.sys.darkShadow3d);
}

// The hot and pressed faces take the highlight colour only in custom-colour mode.
QColor ActiveFace(const FaceContext& f) {
    return f.look.useCustomColors ? f.look.highlightColor : f.sys.buttonFace;
}

void Classic(const FaceContext& f) {
    f.canvas.Background(f.state == ButtonNormal ? f.Face() : ActiveFace(f));
    Edge(f, f.state == ButtonPressed ? PixelCanvas::Sunken : PixelCanvas::Raised);
}

void Flat3d(const FaceContext& f, bool edgeAtRest) {
    switch (f.state) {
    case ButtonHot:
        f.canvas.Background(ActiveFace(f));
        Edge(f, PixelCanvas::ThinRaised);
        break;
    case ButtonPressed:
        f.canvas.Background(ActiveFace(f));
        Edge(f, PixelCanvas::ThinSunken);
        break;
    case ButtonDisabled:
        f.canvas.Background(f.Face());
        break;
    default:
        f.canvas.Background(f.Face());
        if (edgeAtRest) {
            Edge(f, PixelCanvas::ThinRaised);
        }
        break;
    }
}

void Etched(const FaceContext& f) {
    PixelCanvas& c = f.canvas;
    const int W = f.W;
    const int H = f.H;
    QColor inner = f.Face();
    if (f.state == ButtonHot) {
        inner = f.look.useCustomColors ? Average(f.look.highlightColor, f.look.backColor)
                                       : Average(f.sys.buttonShadow, f.sys.buttonFace);
    } else if (f.state == ButtonPressed) {
        inner = f.look.useCustomColors ? f.look.highlightColor : f.sys.buttonShadow;
    }
    c.Background(f.Face());
    c.Fill(4, 4, W - 8, H - 8, inner);
    c.Outline(0, 0, W - 2, H - 2, f.sys.buttonShadow);
    c.Outline(1, 1, W - 2, H - 2, f.sys.window);
    c.Pixel(0, H - 1, inner);
    c.Pixel(W - 1, 0, inner);
    const QColor blend = Average(f.sys.window, f.sys.buttonShadow);
    c.Pixel(1, H - 2, blend);
    c.Pixel(W - 2, 1, blend);
}

void Office(const FaceContext& f) {
    PixelCanvas& c = f.canvas;
    const QColor hc = f.Highlight();
    if (f.state == ButtonHot || f.state == ButtonPressed) {
        c.Fill(0, 0, f.W - 1, f.H - 1, Lighten(hc, f.state == ButtonHot ? 176 : 128));
        c.Outline(0, 0, f.W - 1, f.H - 1, hc);
    } else {
        c.Fill(0, 0, f.W, f.H, Lighten(f.Face(), 32));
    }
}

} // namespace

void DrawClassicFace(const FaceContext& f) {
    switch (f.look.style) {
    case 0:
        Classic(f);
        break;
    case 1:
        Flat3d(f, true);
        break;
    case 2:
        Flat3d(f, false);
        break;
    case 3:
        Etched(f);
        break;
    default:
        Office(f);
        break;
    }
}
