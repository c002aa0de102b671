#pragma once

#include "Mask.hpp"

#include <string>

// The built-in bitmap font: 95 glyphs (32 to 126) of 14 x 16 pixels in a
// 224 x 224 sheet, 16 to a row; the glyph of code k sits at
// (14 * ((k - 32) % 16), 16 * ((k - 32) / 16)).
class FontSheet {
public:
    static constexpr int GlyphWidth = 14;
    static constexpr int GlyphHeight = 16;
    static constexpr int PerRow = 16;
    static constexpr int Size = 224;
    static constexpr int First = 32;
    static constexpr int Last = 126;

    // Rasterises DejaVu Sans Mono Bold from fontFile; throws when a glyph
    // would not fit its cell.
    static Mask paint(const std::string& fontFile);
};
