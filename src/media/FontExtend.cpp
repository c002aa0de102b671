#include "media/FontExtend.hpp"

#include <algorithm>
#include <stdexcept>

#include "media/LogRethrow.hpp"
#include "media/Logger.hpp"

namespace GLINT {
namespace SDL {

FontExtend::FontExtend(const std::string& fileName, int pointSize)
    : FontImpl(NoSheet()), fileName(fileName), pointSize(pointSize) {
    Log_Rethrow("Exception catched in internal FontExtent Constructor :", LogStyle::OneEntry, [&] { open(); });
}

FontExtend::FontExtend(const FontExtend& other)
    : FontImpl(NoSheet()), fileName(other.fileName), pointSize(other.pointSize) {
    Log_Rethrow("Exception catched in internal FontExtent Copy Constructor :", LogStyle::OneEntry, [&] {
        open();
        setStyle(other.getStyle());
    });
}

void FontExtend::open() {
    stream.reset(new RWOps(fileName, "rb"));
    font = TTF_OpenFontIndexRW(stream->get_SDL(), 0, pointSize, 0);
    if (!font)
        throw std::logic_error(std::string("TTF_OpenFont Error : ") + TTF_GetError());
}

FontExtend::~FontExtend() {
    // After TTF_Quit the font's memory went with the library: closing it would crash.
    if (font && TTF_WasInit())
        TTF_CloseFont(font);
}

FontImpl* FontExtend::clone() const { return new FontExtend(*this); }

Rect FontExtend::getTextSize(const std::string& text) const {
    int w = 0, h = 0;
    if (TTF_SizeUTF8(font, text.c_str(), &w, &h) != 0) {
        MediaLog << Logger::beginEntry << "Unable to size text with " << fileName << " : " << TTF_GetError()
                 << std::endl;
        return Rect(0, 0);
    }
    return Rect(static_cast<Uint16>(w), static_cast<Uint16>(h));
}

int FontExtend::height() const { return TTF_FontHeight(font); }

int FontExtend::getStyle() const {
    switch (TTF_GetFontStyle(font)) {
    case TTF_STYLE_NORMAL:
        return FontNormal;
    case TTF_STYLE_BOLD:
        return FontBold;
    case TTF_STYLE_ITALIC:
        return FontItalic;
    case TTF_STYLE_UNDERLINE:
        return FontUnderline;
    default:
        return 0;
    }
}

void FontExtend::setStyle(int style) {
    switch (style) {
    case FontBold:
        TTF_SetFontStyle(font, TTF_STYLE_BOLD);
        break;
    case FontItalic:
        TTF_SetFontStyle(font, TTF_STYLE_ITALIC);
        break;
    case FontUnderline:
        TTF_SetFontStyle(font, TTF_STYLE_UNDERLINE);
        break;
    default:
        TTF_SetFontStyle(font, TTF_STYLE_NORMAL);
    }
}

std::unique_ptr<RGBSurface> FontExtend::render(const std::string& text, const RGBColor& color, int mode,
                                               const RGBColor& background) const {
    SDL_Surface* rendered = nullptr;
    if (!text.empty()) {
        const SDL_Color fg = color.get_SDL();
        if (mode == FontShaded)
            rendered = TTF_RenderUTF8_Shaded(font, text.c_str(), fg, background.get_SDL());
        else if (mode == FontBlended)
            rendered = TTF_RenderUTF8_Blended(font, text.c_str(), fg);
        else
            rendered = TTF_RenderUTF8_Solid(font, text.c_str(), fg);
        if (!rendered)
            MediaLog << Logger::beginEntry << "Unable to render text \"" << text << "\" : " << TTF_GetError()
                     << std::endl;
    }
    if (!rendered) {
        // Nothing to show: an empty, fully transparent surface of the font's height.
        std::unique_ptr<RGBSurface> empty(new RGBSurface(1, std::max(1, height()), 32));
        SDL_FillRect(empty->get_SDL(), nullptr, 0);
        SDL_SetAlpha(empty->get_SDL(), SDL_SRCALPHA, 255);
        return empty;
    }
    return std::unique_ptr<RGBSurface>(new RGBSurface(rendered));
}

} // namespace SDL
} // namespace GLINT
