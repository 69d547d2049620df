#include "PixelCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int Clamp(int v) {
    return std::clamp(v, 0, 255);
}

QColor Mix(const QColor& a, const QColor& b, int i, int n) {
    return QColor(GradientChannel(a.red(), b.red(), i, n),
                  GradientChannel(a.green(), b.green(), i, n),
                  GradientChannel(a.blue(), b.blue(), i, n));
}

} // namespace

int RoundHalfEven(double v) {
    // The default floating-point rounding mode rounds halves to the even neighbour.
    return static_cast<int>(std::nearbyint(v));
}

QColor Shift(const QColor& c, int d) {
    return QColor(Clamp(c.red() + d), Clamp(c.green() + d), Clamp(c.blue() + d));
}

QColor Lighten(const QColor& c, int amount) {
    auto channel = [amount](int v) {
        return std::min(255, amount + (255 - amount) * v / 255);
    };
    return QColor(channel(c.red()), channel(c.green()), channel(c.blue()));
}

QColor Average(const QColor& a, const QColor& b) {
    auto channel = [](int x, int y) {
        return RoundHalfEven((x + y) / 2.0);
    };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

int GradientChannel(int a, int b, int i, int n) {
    if (n == 0) {
        return a;
    }
    const float step = static_cast<float>(b - a) / static_cast<float>(n);
    return Clamp(RoundHalfEven(a + static_cast<double>(step * static_cast<float>(i))));
}

void PixelCanvas::Background(const QColor& c) {
    image_.fill(c.rgb());
}

void PixelCanvas::Pixel(int x, int y, const QColor& c) {
    if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height()) {
        image_.setPixel(x, y, c.rgb());
    }
}

QColor PixelCanvas::PixelAt(int x, int y) const {
    if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height()) {
        return QColor(image_.pixel(x, y));
    }
    return QColor();
}

void PixelCanvas::Line(int x1, int y1, int x2, int y2, const QColor& c) {
    // Bresenham from the start point, stopping before the end point.
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        Pixel(x, y, c);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void PixelCanvas::Outline(int x, int y, int w, int h, const QColor& c) {
    for (int i = x; i <= x + w; ++i) {
        Pixel(i, y, c);
        Pixel(i, y + h, c);
    }
    for (int j = y; j <= y + h; ++j) {
        Pixel(x, j, c);
        Pixel(x + w, j, c);
    }
}

void PixelCanvas::Fill(int x, int y, int w, int h, const QColor& c) {
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + w, image_.width());
    const int bottom = std::min(y + h, image_.height());
    for (int j = top; j < bottom; ++j) {
        for (int i = left; i < right; ++i) {
            image_.setPixel(i, j, c.rgb());
        }
    }
}

void PixelCanvas::VGradient(int a, int b, int y, int n, const QColor& c1, const QColor& c2) {
    for (int i = 0; i <= n; ++i) {
        const QColor c = Mix(c1, c2, i, n);
        for (int x = a; x <= b; ++x) {
            Pixel(x, y + i, c);
        }
    }
}

void PixelCanvas::HGradient(int a, int b, int y, const QColor& c1, const QColor& c2) {
    for (int i = 0; i <= b - a; ++i) {
        Pixel(a + i, y, Mix(c1, c2, i, b - a));
    }
}

void PixelCanvas::DrawEdge(Edge kind, const QColor& light3d, const QColor& highlight3d,
                           const QColor& shadow, const QColor& darkShadow) {
    const int r = image_.width() - 1;
    const int b = image_.height() - 1;
    auto ring = [&](int inset, const QColor& topLeft, const QColor& bottomRight) {
        for (int x = inset; x <= r - inset; ++x) {
            Pixel(x, inset, topLeft);
            Pixel(x, b - inset, bottomRight);
        }
        for (int y = inset; y <= b - inset; ++y) {
            Pixel(inset, y, topLeft);
            Pixel(r - inset, y, bottomRight);
        }
        Pixel(r - inset, inset, bottomRight);
        Pixel(inset, b - inset, bottomRight);
    };
    switch (kind) {
    case Raised:
        ring(0, light3d, darkShadow);
        ring(1, highlight3d, shadow);
        break;
    case Sunken:
        ring(0, shadow, highlight3d);
        ring(1, darkShadow, light3d);
        break;
    case ThinRaised:
        ring(0, highlight3d, shadow);
        break;
    case ThinSunken:
        ring(0, shadow, highlight3d);
        break;
    }
}

void PixelCanvas::CornerRounding(int w, int h, const QColor& c) {
    for (auto [x, y] : {std::pair{1, 0},
                        {w - 2, 0},
                        {0, 1},
                        {0, h - 2},
                        {1, h - 1},
                        {w - 2, h - 1},
                        {w - 1, 1},
                        {w - 1, h - 2}}) {
        Pixel(x, y, c);
    }
}

void PixelCanvas::ClippedFrame(int w, int h, const QColor& c) {
    Line(2, 0, w - 2, 0, c);
    Line(0, 2, 0, h - 2, c);
    Line(2, h - 1, w - 2, h - 1, c);
    Line(w - 1, 0, w - 1, h, c);
    for (auto [x, y] : {std::pair{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}}) {
        Pixel(x, y, c);
    }
}
