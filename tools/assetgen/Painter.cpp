#include "Painter.hpp"

#include "Noise.hpp"

#include <cmath>
#include <cstdlib>

void Painter::shade(const Mask& m, const Ramp& ramp, Rgba outline, int dx, int dy) {
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x) {
            if (!m.get(x, y))
                continue;
            Rgba c = ramp.base;
            bool openTL = !m.get(x - 1, y) || !m.get(x, y - 1) || !m.get(x - 1, y - 1);
            bool openBR = !m.get(x + 1, y) || !m.get(x, y + 1) || !m.get(x + 1, y + 1) ||
                          !m.get(x + 2, y + 2);
            if (openBR)
                c = ramp.shade;
            else if (openTL)
                c = ramp.light;
            if (outline.a && (!m.get(x - 1, y) || !m.get(x + 1, y) || !m.get(x, y - 1) || !m.get(x, y + 1)))
                c = outline;
            img_.set(x + dx, y + dy, c);
        }
}

void Painter::fill(const Mask& m, Rgba c, int dx, int dy) {
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            if (m.get(x, y))
                img_.set(x + dx, y + dy, c);
}

void Painter::dither(const Mask& m, Rgba c, double density, int dx, int dy) {
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            if (m.get(x, y) && Noise::bayer(x + dx, y + dy) < density)
                img_.set(x + dx, y + dy, c);
}

void Painter::rect(int x, int y, int w, int h, Rgba c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            img_.set(i, j, c);
}

void Painter::frame(int x, int y, int w, int h, Rgba c) {
    line(x, y, x + w - 1, y, c);
    line(x, y + h - 1, x + w - 1, y + h - 1, c);
    line(x, y, x, y + h - 1, c);
    line(x + w - 1, y, x + w - 1, y + h - 1, c);
}

void Painter::line(int x0, int y0, int x1, int y1, Rgba c) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        img_.set(x0, y0, c);
        if (x0 == x1 && y0 == y1)
            break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Painter::outline(Image& img, Rgba c) {
    Image copy = img;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (copy.get(x, y).a == 255)
                continue;
            bool near = copy.get(x - 1, y).a == 255 || copy.get(x + 1, y).a == 255 ||
                        copy.get(x, y - 1).a == 255 || copy.get(x, y + 1).a == 255;
            if (near)
                img.set(x, y, c);
        }
}

void Painter::shadow(Image& img, double cx, double cy, double rx, double ry, std::uint8_t alpha) {
    for (int y = static_cast<int>(cy - ry - 1); y <= static_cast<int>(cy + ry + 1); ++y)
        for (int x = static_cast<int>(cx - rx - 1); x <= static_cast<int>(cx + rx + 1); ++x) {
            double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
            if (u * u + v * v > 1.0 || ((x + y) & 1))
                continue;
            if (img.get(x, y).a == 0)
                img.set(x, y, Palette::Night.withAlpha(alpha));
        }
}
