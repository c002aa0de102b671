#pragma once

#include <vector>

// A set of pixels: the silhouette of one part of a picture, built from
// simple shapes and then shaded as a whole by the Painter.
class Mask {
public:
    Mask(int width, int height);
    int width() const { return w_; }
    int height() const { return h_; }
    bool get(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_ && bits_[idx(x, y)]; }
    void set(int x, int y, bool on = true) {
        if (x >= 0 && y >= 0 && x < w_ && y < h_)
            bits_[idx(x, y)] = on;
    }
    bool empty() const;

    Mask& rect(int x, int y, int w, int h, bool on = true);
    // Ellipse centred on (cx, cy) with radii rx, ry (pixel centres inside).
    Mask& ellipse(double cx, double cy, double rx, double ry, bool on = true);
    // Every pixel within r of the segment (x0, y0)-(x1, y1).
    Mask& capsule(double x0, double y0, double x1, double y1, double r, bool on = true);
    // Convex or concave polygon, even-odd rule on pixel centres.
    Mask& polygon(const std::vector<double>& xy, bool on = true);
    Mask& merge(const Mask& other);
    Mask& remove(const Mask& other);
    Mask& intersect(const Mask& other);
    // Pixels of this mask that touch (4-neighbour) a pixel outside it.
    Mask border() const;

private:
    std::size_t idx(int x, int y) const { return static_cast<std::size_t>(y) * w_ + x; }
    int w_, h_;
    std::vector<char> bits_;
};
