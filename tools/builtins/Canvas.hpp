#pragma once

#include "Mask.hpp"
#include "Palette.hpp"

#include <vector>

// A 24-bit picture that the icon and logo painters draw on.
class Canvas {
public:
    Canvas(int width, int height, Rgb background);

    int width() const { return w; }
    int height() const { return h; }
    Rgb get(int x, int y) const;
    // Writes outside the canvas are dropped: shapes may hang over the edge.
    void set(int x, int y, Rgb c);
    void fillRect(int x, int y, int width, int height, Rgb c);
    void frame(int x, int y, int width, int height, Rgb c);

    // Fills the mask at (x, y).
    void paint(const Mask& m, int x, int y, Rgb c);
    // Fills the mask lit from the top-left: pixels on its top or left edge
    // take `light`, those on its bottom or right edge `shade`.
    void paintLit(const Mask& m, int x, int y, Rgb light, Rgb base, Rgb shade);
    // Draws a one-pixel ring around the mask.
    void outline(const Mask& m, int x, int y, Rgb c, bool diagonals = false);

private:
    int w, h;
    std::vector<Rgb> pixels;
};
