#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// A 1-bit picture: the shapes the painters fill, outline and shade, and the
// glyphs of the bitmap font.
class Mask {
public:
    Mask() = default;
    Mask(int width, int height);

    // Samples inside(x, y) at every pixel centre; coordinates are in pixels.
    static Mask fromShape(int width, int height,
                          const std::function<bool(double x, double y)>& inside);

    int width() const { return w; }
    int height() const { return h; }
    // Outside the mask reads as empty, so edge tests need no bounds checks.
    bool at(int x, int y) const;
    void set(int x, int y, bool on = true);

    // Ors `other` in with its top-left corner at (x, y).
    void stamp(const Mask& other, int x, int y);
    Mask without(const Mask& other) const;
    // Grows by one pixel in the four directions (and diagonals when asked).
    Mask grown(bool diagonals) const;
    Mask shrunk() const;
    int count() const;

    // Bounding box of the set pixels; false when the mask is empty.
    bool bounds(int& left, int& top, int& right, int& bottom) const;

private:
    int w = 0, h = 0;
    std::vector<std::uint8_t> bits;
};
