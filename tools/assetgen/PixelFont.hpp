#pragma once

#include "Image.hpp"

#include <string>

// The game's own 5 x 7 capital letters, for titles and captions painted
// into pictures. Lower case is drawn as upper case.
class PixelFont {
public:
    static constexpr int GlyphWidth = 5;
    static constexpr int GlyphHeight = 7;

    // Width in pixels of the text at the given scale (one column between letters).
    static int width(const std::string& text, int scale);
    // Draws the text with its top-left at (x, y), each font pixel a scale x scale block.
    static void draw(Image& img, const std::string& text, int x, int y, int scale, Rgba colour);
    // The same with a one-block dark outline and a drop shadow to the bottom-right.
    static void drawOutlined(Image& img, const std::string& text, int x, int y, int scale,
                             Rgba colour, Rgba outline);
    // True when the glyph of c has its pixel (gx, gy) set.
    static bool pixel(char c, int gx, int gy);
};
