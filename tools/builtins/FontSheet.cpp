#include "FontSheet.hpp"

#include "GlyphRaster.hpp"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

// The largest size whose tallest glyphs ('|', '$', brackets) still fit 16 rows.
constexpr int PixelSize = 15;

struct Glyph {
    Mask ink;
    int left = 0, top = 0, right = -1, bottom = -1;
};

std::string describe(int code) {
    return "glyph " + std::to_string(code) + " ('" + char(code) + "')";
}

} // namespace

Mask FontSheet::paint(const std::string& fontFile) {
    const GlyphRaster face(fontFile, PixelSize);
    std::vector<Glyph> glyphs;
    int highest = 1 << 20, lowest = -(1 << 20);
    for (int code = First + 1; code <= Last; ++code) {
        Glyph g;
        g.ink = face.render(std::string(1, char(code)));
        if (!g.ink.bounds(g.left, g.top, g.right, g.bottom))
            throw std::runtime_error(describe(code) + " has no ink in " + fontFile);
        if (g.right - g.left + 1 > GlyphWidth - 2)
            throw std::runtime_error(describe(code) + " is too wide for its cell");
        highest = std::min(highest, g.top);
        lowest = std::max(lowest, g.bottom);
        glyphs.push_back(g);
    }
    // One baseline for every glyph, with the tallest pair centred in the cell.
    const int span = lowest - highest + 1;
    if (span > GlyphHeight)
        throw std::runtime_error("glyphs of " + fontFile + " span " + std::to_string(span) +
                                 " rows, the cell has " + std::to_string(GlyphHeight));
    const int shiftY = (GlyphHeight - span) / 2 - highest;

    Mask sheet(Size, Size);
    for (int code = First + 1; code <= Last; ++code) {
        const Glyph& g = glyphs[std::size_t(code - First - 1)];
        const int cellX = GlyphWidth * ((code - First) % PerRow);
        const int cellY = GlyphHeight * ((code - First) / PerRow);
        // Monospaced faces centre their ink in the advance; so do we in the cell.
        const int shiftX = (GlyphWidth - (g.right - g.left + 1)) / 2 - g.left;
        sheet.stamp(g.ink, cellX + shiftX, cellY + shiftY);
    }
    return sheet;
}
