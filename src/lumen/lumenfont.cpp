#include "lumen/lumenfont.hpp"

#include <algorithm>
#include <exception>

#include <guichan/color.hpp>
#include <guichan/exception.hpp>

#include "lumen/lumengraphics.hpp"
#include "media/Point.hpp"
#include "media/RGBColor.hpp"
#include "media/Rect.hpp"

namespace gcn {

LumenFont::LumenFont(const std::string& fileName, int pointSize, int renderMode, int style)
    : renderMode(renderMode), style(style), fileName(fileName) {
    try {
        font.reset(new GLINT::SDL::Font(fileName, pointSize));
        font->setStyle(style);
    } catch (const std::exception& e) {
        throw GCN_EXCEPTION(std::string("Error In LumenFont Constructor: ") + e.what());
    } catch (...) {
        throw GCN_EXCEPTION("Unhandled Error In LumenFont Constructor");
    }
}

LumenFont::~LumenFont() = default;

int LumenFont::getWidth(const std::string& text) const {
    return font->getTextSize(text).getw() + (outline > 0 ? 2 * outline + 1 : 0);
}

int LumenFont::getHeight() const {
    return font->height() + rowSpacing + (outline > 0 ? 2 * outline + 1 : 0);
}

void LumenFont::setOutline(int radius, const Color& colour) {
    outline = std::max(0, radius);
    ring = Uint32(colour.r & 0xff) << 16 | Uint32(colour.g & 0xff) << 8 | Uint32(colour.b & 0xff);
    rendered.clear();
}

void LumenFont::drawString(Graphics* graphics, const std::string& text, int x, int y) {
    if (text.empty())
        return;

    LumenGraphics* lumenGraphics = dynamic_cast<LumenGraphics*>(graphics);
    if (!lumenGraphics)
        throw GCN_EXCEPTION(
            "SDLTrueTypeFont::drawString. Graphics object not an SDL graphics object!");

    // Half the row spacing above the glyphs keeps them centred in their row.
    const int yOffset = getRowSpacing() / 2;

    const Color& c = lumenGraphics->getColor();
    const GLINT::SDL::RGBColor ink(static_cast<Uint8>(c.r), static_cast<Uint8>(c.g),
                                   static_cast<Uint8>(c.b));
    const GLINT::SDL::RGBSurface& picture = renderedText(text, ink);

    const GLINT::SDL::Rect source(0, 0, static_cast<Uint16>(picture.getWidth()),
                                  static_cast<Uint16>(picture.getHeight()));
    lumenGraphics->drawLumenSurface(
        picture, source,
        GLINT::SDL::Point(static_cast<Sint16>(x), static_cast<Sint16>(y + yOffset)));
}

const GLINT::SDL::RGBSurface& LumenFont::renderedText(const std::string& text,
                                                      const GLINT::SDL::RGBColor& ink) {
    const Uint32 key = Uint32(ink.getR()) << 16 | Uint32(ink.getG()) << 8 | ink.getB();
    for (std::size_t i = 0; i < rendered.size(); ++i)
        if (rendered[i].ink == key && rendered[i].text == text) {
            std::rotate(rendered.begin(), rendered.begin() + static_cast<std::ptrdiff_t>(i),
                        rendered.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            return *rendered.front().surface;
        }
    Rendered made{text, key, font->render(text, ink, renderMode, GLINT::SDL::RGBColor(0, 0, 0))};
    if (outline > 0)
        made.surface = ringed(std::move(made.surface));
    if (rendered.size() >= Rendered_Kept)
        rendered.pop_back();
    rendered.insert(rendered.begin(), std::move(made));
    return *rendered.front().surface;
}

std::unique_ptr<GLINT::SDL::RGBSurface> LumenFont::ringed(std::unique_ptr<GLINT::SDL::RGBSurface> text) const {
    SDL_Surface* in = text->get_SDL();
    const SDL_PixelFormat* format = in->format;
    if (format->BytesPerPixel != 4 || format->Amask == 0)
        return text;
    // The ring reaches one pixel further down and right: a shadow, with the light from the top left.
    const int r = outline, w = in->w, h = in->h, outW = w + 2 * r + 1, outH = h + 2 * r + 1;
    SDL_Surface* out = SDL_CreateRGBSurface(SDL_SWSURFACE, outW, outH, 32, format->Rmask, format->Gmask,
                                            format->Bmask, format->Amask);
    if (!out)
        return text;
    SDL_SetAlpha(out, SDL_SRCALPHA, 255);
    if (SDL_LockSurface(in) != 0) {
        SDL_FreeSurface(out);
        return text;
    }
    SDL_LockSurface(out);
    auto pixel = [](const SDL_Surface* s, int x, int y) {
        return static_cast<const Uint32*>(s->pixels)[y * (s->pitch / 4) + x];
    };
    auto alpha = [&](int x, int y) -> Uint32 {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return 0;
        return (pixel(in, x, y) & format->Amask) >> format->Ashift;
    };
    const Uint32 ringR = ring >> 16 & 0xff, ringG = ring >> 8 & 0xff, ringB = ring & 0xff;
    for (int y = 0; y < outH; ++y) {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(out->pixels) + y * out->pitch);
        for (int x = 0; x < outW; ++x) {
            // The ring is the text's own coverage spread over the radius.
            Uint32 around = 0;
            for (int dy = -r - 1; dy <= r; ++dy)
                for (int dx = -r - 1; dx <= r; ++dx)
                    around = std::max(around, alpha(x - r + dx, y - r + dy));
            const Uint32 a = alpha(x - r, y - r);
            // The glyph over its ring.
            const Uint32 under = around * (255 - a) / 255, total = a + under;
            if (total == 0) {
                row[x] = 0;
                continue;
            }
            Uint8 inkR = 0, inkG = 0, inkB = 0;
            if (a > 0)
                SDL_GetRGB(pixel(in, x - r, y - r), const_cast<SDL_PixelFormat*>(format), &inkR, &inkG, &inkB);
            auto mix = [&](Uint32 glyph, Uint32 dark) { return static_cast<Uint8>((glyph * a + dark * under) / total); };
            row[x] = SDL_MapRGBA(out->format, mix(inkR, ringR), mix(inkG, ringG), mix(inkB, ringB),
                                 static_cast<Uint8>(total));
        }
    }
    SDL_UnlockSurface(out);
    SDL_UnlockSurface(in);
    return std::make_unique<GLINT::SDL::RGBSurface>(out);
}

void LumenFont::setRowSpacing(int spacing) {
    rowSpacing = spacing;
}

int LumenFont::getRowSpacing() const {
    return rowSpacing;
}

void LumenFont::setGlyphSpacing(int spacing) {
    glyphSpacing = spacing;
}

int LumenFont::getGlyphSpacing() const {
    return glyphSpacing;
}

} // namespace gcn
