#pragma once

#include <memory>
#include <string>
#include <vector>

#include <guichan/color.hpp>
#include <guichan/font.hpp>

#include "media/Font.hpp"

namespace gcn {

// A TrueType font for Guichan, rendered by the media layer. Render mode and
// style are the media layer's numbers (FontBlended, FontBold...).
class LumenFont : public Font {
public:
    LumenFont(const std::string& fileName, int pointSize, int renderMode = GLINT::SDL::FontBlended,
              int style = GLINT::SDL::FontNormal);
    ~LumenFont() override;

    LumenFont(const LumenFont&) = delete;
    LumenFont& operator=(const LumenFont&) = delete;

    int getWidth(const std::string& text) const override;
    int getHeight() const override;
    // Needs a LumenGraphics; draws in its current colour (alpha is not used).
    void drawString(Graphics* graphics, const std::string& text, int x, int y) override;

    virtual void setRowSpacing(int spacing);
    virtual int getRowSpacing() const;
    virtual void setGlyphSpacing(int spacing);
    virtual int getGlyphSpacing() const;

    // A dark ring of radius pixels round every glyph, one more down and
    // right, so the text reads over any ground; the text's box grows by as
    // much. 0: none. Only blended text gets the ring.
    void setOutline(int radius, const Color& colour);
    int getOutline() const { return outline; }

    int getRenderMode() const { return renderMode; }
    int getStyle() const { return style; }
    const std::string& getFileName() const { return fileName; }

    // Texts kept rendered: the interface draws the same few every frame.
    static constexpr std::size_t Rendered_Kept = 32;

private:
    struct Rendered {
        std::string text;
        Uint32 ink;
        std::unique_ptr<GLINT::SDL::RGBSurface> surface;
    };
    // The text in that ink, rendered now or found among the last ones drawn.
    const GLINT::SDL::RGBSurface& renderedText(const std::string& text,
                                               const GLINT::SDL::RGBColor& ink);

    // The rendered text on its dark ring, in a picture of its own.
    std::unique_ptr<GLINT::SDL::RGBSurface> ringed(std::unique_ptr<GLINT::SDL::RGBSurface> text) const;

    std::unique_ptr<GLINT::SDL::Font> font;
    // Most recently drawn first.
    std::vector<Rendered> rendered;
    int renderMode;
    int style;
    std::string fileName;
    int glyphSpacing = 0;
    int rowSpacing = 0;
    int outline = 0;
    Uint32 ring = 0;
};

} // namespace gcn
