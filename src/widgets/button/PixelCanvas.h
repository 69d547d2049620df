#pragma once
// The few drawing primitives the button looks are written in, painted pixel by pixel onto an
// image so that every look is exact: lines without their end point, stepped gradients, outlines
// that include both corners. Anything outside the image is dropped.

#include <QColor>
#include <QImage>

// Colour arithmetic of the looks: each channel clamped to 0..255.
QColor Shift(const QColor& c, int d);
QColor Lighten(const QColor& c, int amount);
QColor Average(const QColor& a, const QColor& b);
// Channel i of n on the way from a to b, rounded half to even with a single-precision step.
int GradientChannel(int a, int b, int i, int n);
int RoundHalfEven(double v);

class PixelCanvas {
public:
    explicit PixelCanvas(QImage& image) : image_(image) {}

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }

    void Background(const QColor& c);
    void Pixel(int x, int y, const QColor& c);
    QColor PixelAt(int x, int y) const;
    void Line(int x1, int y1, int x2, int y2, const QColor& c);
    void Outline(int x, int y, int w, int h, const QColor& c);
    void Fill(int x, int y, int w, int h, const QColor& c);
    // Rows y..y+n over columns a..b, from c1 to c2; nothing when n < 0.
    void VGradient(int a, int b, int y, int n, const QColor& c1, const QColor& c2);
    // Columns a..b of row y, from c1 to c2.
    void HGradient(int a, int b, int y, const QColor& c1, const QColor& c2);

    // The frame of a w x h face with clipped corners: four edges that stop short of the corners
    // and one pixel inside each corner.
    void ClippedFrame(int w, int h, const QColor& c);

    // The eight pixels that round off the outer corners of a w x h face: the two beside each
    // corner on the outermost rows and columns.
    void CornerRounding(int w, int h, const QColor& c);

    enum Edge { Raised, Sunken, ThinRaised, ThinSunken };
    void DrawEdge(Edge kind, const QColor& light3d, const QColor& highlight3d, const QColor& shadow,
                  const QColor& darkShadow);

private:
    QImage& image_;
};
