#include "Canvas.hpp"

Canvas::Canvas(int width, int height, Rgb background)
    : w(width), h(height), pixels(std::size_t(width) * height, background) {}

Rgb Canvas::get(int x, int y) const {
    if (x < 0 || y < 0 || x >= w || y >= h)
        return Rgb{};
    return pixels[std::size_t(y) * w + x];
}

void Canvas::set(int x, int y, Rgb c) {
    if (x >= 0 && y >= 0 && x < w && y < h)
        pixels[std::size_t(y) * w + x] = c;
}

void Canvas::fillRect(int x, int y, int width, int height, Rgb c) {
    for (int j = y; j < y + height; ++j)
        for (int i = x; i < x + width; ++i)
            set(i, j, c);
}

void Canvas::frame(int x, int y, int width, int height, Rgb c) {
    fillRect(x, y, width, 1, c);
    fillRect(x, y + height - 1, width, 1, c);
    fillRect(x, y, 1, height, c);
    fillRect(x + width - 1, y, 1, height, c);
}

void Canvas::paint(const Mask& m, int x, int y, Rgb c) {
    for (int j = 0; j < m.height(); ++j)
        for (int i = 0; i < m.width(); ++i)
            if (m.at(i, j))
                set(x + i, y + j, c);
}

void Canvas::paintLit(const Mask& m, int x, int y, Rgb light, Rgb base, Rgb shade) {
    for (int j = 0; j < m.height(); ++j)
        for (int i = 0; i < m.width(); ++i) {
            if (!m.at(i, j))
                continue;
            Rgb c = base;
            if (!m.at(i + 1, j) || !m.at(i, j + 1))
                c = shade;
            else if (!m.at(i - 1, j) || !m.at(i, j - 1))
                c = light;
            set(x + i, y + j, c);
        }
}

void Canvas::outline(const Mask& m, int x, int y, Rgb c, bool diagonals) {
    // The ring may reach one pixel past the mask's own box.
    Mask padded(m.width() + 2, m.height() + 2);
    padded.stamp(m, 1, 1);
    Mask ring = padded.grown(diagonals).without(padded);
    paint(ring, x - 1, y - 1, c);
}
