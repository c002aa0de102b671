#pragma once

#include "Mask.hpp"

#include <string>

struct _TTF_Font;

// One TrueType face at one size, rendered by SDL_ttf without anti-aliasing,
// so the pixels come out as FreeType hints them.
class GlyphRaster {
public:
    // Throws std::runtime_error naming the file when it cannot be opened.
    GlyphRaster(const std::string& fontFile, int pixelSize);
    ~GlyphRaster();
    GlyphRaster(const GlyphRaster&) = delete;
    GlyphRaster& operator=(const GlyphRaster&) = delete;

    // The text on one line; the baseline lies at row ascent().
    Mask render(const std::string& text) const;
    int ascent() const;

private:
    std::string file;
    _TTF_Font* font = nullptr;
};
