#include "GlyphRaster.hpp"

#include <SDL.h>
#include <SDL_ttf.h>

#include <stdexcept>

GlyphRaster::GlyphRaster(const std::string& fontFile, int pixelSize) : file(fontFile) {
    if (!TTF_WasInit() && TTF_Init() != 0)
        throw std::runtime_error(std::string("TTF_Init failed: ") + TTF_GetError());
    font = TTF_OpenFont(fontFile.c_str(), pixelSize);
    if (!font)
        throw std::runtime_error("cannot open font " + fontFile + ": " + TTF_GetError());
    // Hinting decides the crisp 1-bit shapes: pin it rather than take the default.
    TTF_SetFontHinting(font, TTF_HINTING_NORMAL);
    TTF_SetFontKerning(font, 0);
}

GlyphRaster::~GlyphRaster() {
    TTF_CloseFont(font);
}

int GlyphRaster::ascent() const {
    return TTF_FontAscent(font);
}

Mask GlyphRaster::render(const std::string& text) const {
    SDL_Color white{255, 255, 255, 0};
    SDL_Surface* s = TTF_RenderText_Solid(font, text.c_str(), white);
    if (!s)
        throw std::runtime_error("cannot render \"" + text + "\" with " + file + ": " +
                                 TTF_GetError());
    // Solid rendering gives an 8-bit surface: index 0 is the background.
    Mask m(s->w, s->h);
    SDL_LockSurface(s);
    const auto* pixels = static_cast<const Uint8*>(s->pixels);
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x)
            m.set(x, y, pixels[y * s->pitch + x] != 0);
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return m;
}
