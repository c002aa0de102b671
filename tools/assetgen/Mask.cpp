#include "Mask.hpp"

#include <algorithm>
#include <cmath>

Mask::Mask(int width, int height) : w_(width), h_(height), bits_(static_cast<std::size_t>(width) * height, 0) {}

bool Mask::empty() const { return std::none_of(bits_.begin(), bits_.end(), [](char b) { return b; }); }

Mask& Mask::rect(int x, int y, int w, int h, bool on) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            set(i, j, on);
    return *this;
}

Mask& Mask::ellipse(double cx, double cy, double rx, double ry, bool on) {
    if (rx <= 0 || ry <= 0)
        return *this;
    int x0 = static_cast<int>(std::floor(cx - rx - 1)), x1 = static_cast<int>(std::ceil(cx + rx + 1));
    int y0 = static_cast<int>(std::floor(cy - ry - 1)), y1 = static_cast<int>(std::ceil(cy + ry + 1));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0)
                set(x, y, on);
        }
    return *this;
}

Mask& Mask::capsule(double ax, double ay, double bx, double by, double r, bool on) {
    int x0 = static_cast<int>(std::floor(std::min(ax, bx) - r - 1));
    int x1 = static_cast<int>(std::ceil(std::max(ax, bx) + r + 1));
    int y0 = static_cast<int>(std::floor(std::min(ay, by) - r - 1));
    int y1 = static_cast<int>(std::ceil(std::max(ay, by) + r + 1));
    double vx = bx - ax, vy = by - ay, len2 = vx * vx + vy * vy;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double px = x + 0.5 - ax, py = y + 0.5 - ay;
            double t = len2 > 0 ? std::clamp((px * vx + py * vy) / len2, 0.0, 1.0) : 0.0;
            double dx = px - t * vx, dy = py - t * vy;
            if (dx * dx + dy * dy <= r * r)
                set(x, y, on);
        }
    return *this;
}

Mask& Mask::polygon(const std::vector<double>& xy, bool on) {
    const std::size_t n = xy.size() / 2;
    if (n < 3)
        return *this;
    double minY = xy[1], maxY = xy[1];
    for (std::size_t i = 0; i < n; ++i) {
        minY = std::min(minY, xy[2 * i + 1]);
        maxY = std::max(maxY, xy[2 * i + 1]);
    }
    for (int y = static_cast<int>(std::floor(minY)); y <= static_cast<int>(std::ceil(maxY)); ++y) {
        double sy = y + 0.5;
        std::vector<double> xs;
        for (std::size_t i = 0; i < n; ++i) {
            double ax = xy[2 * i], ay = xy[2 * i + 1];
            double bx = xy[2 * ((i + 1) % n)], by = xy[2 * ((i + 1) % n) + 1];
            if ((ay <= sy && by > sy) || (by <= sy && ay > sy))
                xs.push_back(ax + (sy - ay) / (by - ay) * (bx - ax));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t k = 0; k + 1 < xs.size(); k += 2)
            for (int x = static_cast<int>(std::ceil(xs[k] - 0.5)); x + 0.5 < xs[k + 1]; ++x)
                set(x, y, on);
    }
    return *this;
}

Mask& Mask::merge(const Mask& o) {
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
            if (o.get(x, y))
                set(x, y);
    return *this;
}

Mask& Mask::remove(const Mask& o) {
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
            if (o.get(x, y))
                set(x, y, false);
    return *this;
}

Mask& Mask::intersect(const Mask& o) {
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
            if (!o.get(x, y))
                set(x, y, false);
    return *this;
}

Mask Mask::border() const {
    Mask b(w_, h_);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
            if (get(x, y) && (!get(x - 1, y) || !get(x + 1, y) || !get(x, y - 1) || !get(x, y + 1)))
                b.set(x, y);
    return b;
}
