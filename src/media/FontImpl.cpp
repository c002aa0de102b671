#include "media/FontImpl.hpp"

#include <algorithm>

#include "media/BuiltinImages.hpp"
#include "media/LogRethrow.hpp"
#include "media/RWOps.hpp"

namespace GLINT {
namespace SDL {

FontImpl::FontImpl() {
    Log_Rethrow("Exception caught in internal FontImpl constructor :", LogStyle::OneEntry, [&] {
        RWOps stream(Builtin::DefaultFont, static_cast<int>(Builtin::DefaultFontSize));
        sheet.reset(new RGBSurface(stream));
    });
}

FontImpl::FontImpl(const FontImpl& other) {
    if (other.sheet)
        sheet.reset(new RGBSurface(*other.sheet));
}

FontImpl::~FontImpl() = default;

FontImpl* FontImpl::clone() const { return new FontImpl(*this); }

bool FontImpl::glyphCell(char c, Rect& cell) {
    const int code = static_cast<unsigned char>(c);
    if (code < FirstGlyph || code > LastGlyph)
        return false;
    const int index = code - FirstGlyph;
    cell = Rect(static_cast<Sint16>(GlyphWidth * (index % 16)), static_cast<Sint16>(GlyphHeight * (index / 16)),
                GlyphWidth, GlyphHeight);
    return true;
}

Rect FontImpl::getTextSize(const std::string& text) const {
    return Rect(static_cast<Uint16>(GlyphWidth * text.size()), GlyphHeight);
}

int FontImpl::height() const { return GlyphHeight; }

int FontImpl::getStyle() const { return FontNormal; }

void FontImpl::setStyle(int) {}

bool FontImpl::isInk(int x, int y) const {
    SDL_Surface* s = sheet->get_SDL();
    const Uint32 pixel = sheet->getpixel(x, y);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(pixel, s->format, &r, &g, &b);
    return r + g + b > 3 * 127;
}

std::unique_ptr<RGBSurface> FontImpl::render(const std::string& text, const RGBColor& color, int mode,
                                             const RGBColor& background) const {
    const int width = std::max<int>(1, static_cast<int>(GlyphWidth * text.size()));
    std::unique_ptr<RGBSurface> out(new RGBSurface(width, GlyphHeight, 32));
    SDL_SetAlpha(out->get_SDL(), SDL_SRCALPHA, 255);
    const SDL_PixelFormat* format = out->getFormat();
    const Uint32 ink = SDL_MapRGBA(const_cast<SDL_PixelFormat*>(format), color.getR(), color.getG(),
                                   color.getB(), 255);
    if (mode == FontShaded)
        out->fill(background);
    else
        SDL_FillRect(out->get_SDL(), nullptr, 0); // fully transparent
    if (!sheet)
        return out;
    sheet->lock();
    for (std::size_t i = 0; i < text.size(); ++i) {
        Rect cell;
        if (!glyphCell(text[i], cell))
            continue;
        for (int y = 0; y < GlyphHeight; ++y)
            for (int x = 0; x < GlyphWidth; ++x)
                if (isInk(cell.getx() + x, cell.gety() + y))
                    out->putpixel(static_cast<int>(GlyphWidth * i) + x, y, ink);
    }
    sheet->unlock();
    return out;
}

} // namespace SDL
} // namespace GLINT
