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
    return font->getTextSize(text).getw();
}

int LumenFont::getHeight() const {
    return font->height() + rowSpacing;
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
    if (rendered.size() >= Rendered_Kept)
        rendered.pop_back();
    rendered.insert(rendered.begin(), std::move(made));
    return *rendered.front().surface;
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
