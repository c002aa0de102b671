#pragma once

#include "Palette.hpp"

#include <vector>

// A plain RGBA picture in memory. Out-of-range reads give a transparent
// pixel and out-of-range writes are dropped, so drawing code may overshoot.
class Image {
public:
    Image() = default;
    Image(int width, int height, Rgba fill = Palette::Key);

    int width() const { return w_; }
    int height() const { return h_; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }

    Rgba get(int x, int y) const { return inside(x, y) ? px_[index(x, y)] : Palette::Key; }
    void set(int x, int y, Rgba c) {
        if (inside(x, y))
            px_[index(x, y)] = c;
    }
    // Alpha-blends c over the pixel.
    void blend(int x, int y, Rgba c);
    bool opaque(int x, int y) const { return get(x, y).a > 0; }

    void fill(Rgba c);
    // Copies src (or a part of it) with alpha blending at (dx, dy).
    void draw(const Image& src, int dx, int dy);
    void draw(const Image& src, int sx, int sy, int sw, int sh, int dx, int dy);
    // Copies without blending (alpha included).
    void paste(const Image& src, int dx, int dy);
    Image crop(int x, int y, int w, int h) const;
    Image mirrored() const;
    // Box-filtered reduction by an integer factor (overview pictures only).
    Image shrunk(int factor) const;
    // Nearest-neighbour enlargement by an integer factor.
    Image enlarged(int factor) const;
    // Every opaque pixel snapped to the palette; fully transparent ones get
    // the key colour.
    void snapToPalette();
    bool hasTransparency() const;

    const std::vector<Rgba>& pixels() const { return px_; }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * w_ + x; }
    int w_ = 0, h_ = 0;
    std::vector<Rgba> px_;
};
