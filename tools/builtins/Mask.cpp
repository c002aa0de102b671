#include "Mask.hpp"

#include <algorithm>

Mask::Mask(int width, int height) : w(width), h(height), bits(std::size_t(width) * height, 0) {}

Mask Mask::fromShape(int width, int height,
                     const std::function<bool(double x, double y)>& inside) {
    Mask m(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            m.set(x, y, inside(x + 0.5, y + 0.5));
    return m;
}

bool Mask::at(int x, int y) const {
    return x >= 0 && y >= 0 && x < w && y < h && bits[std::size_t(y) * w + x];
}

void Mask::set(int x, int y, bool on) {
    if (x >= 0 && y >= 0 && x < w && y < h)
        bits[std::size_t(y) * w + x] = on ? 1 : 0;
}

void Mask::stamp(const Mask& other, int x, int y) {
    for (int j = 0; j < other.h; ++j)
        for (int i = 0; i < other.w; ++i)
            if (other.at(i, j))
                set(x + i, y + j);
}

Mask Mask::without(const Mask& other) const {
    Mask m = *this;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (other.at(x, y))
                m.set(x, y, false);
    return m;
}

Mask Mask::grown(bool diagonals) const {
    Mask m(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            bool on = at(x, y) || at(x - 1, y) || at(x + 1, y) || at(x, y - 1) || at(x, y + 1);
            if (diagonals)
                on = on || at(x - 1, y - 1) || at(x + 1, y - 1) || at(x - 1, y + 1) ||
                     at(x + 1, y + 1);
            m.set(x, y, on);
        }
    return m;
}

Mask Mask::shrunk() const {
    Mask m(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            m.set(x, y, at(x, y) && at(x - 1, y) && at(x + 1, y) && at(x, y - 1) && at(x, y + 1));
    return m;
}

int Mask::count() const {
    return int(std::count(bits.begin(), bits.end(), std::uint8_t(1)));
}

bool Mask::bounds(int& left, int& top, int& right, int& bottom) const {
    left = w;
    top = h;
    right = -1;
    bottom = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (at(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right >= 0;
}
