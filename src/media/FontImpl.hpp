#pragma once

#include <memory>
#include <string>

#include "media/RGBColor.hpp"
#include "media/RGBSurface.hpp"
#include "media/Rect.hpp"

namespace GLINT {
namespace SDL {

// Text rendering modes.
enum FontRenderMode { FontSolid = 0, FontShaded = 1, FontBlended = 2 };
// Text styles, the media layer's own numbering.
enum FontStyle { FontNormal = 1, FontBold = 2, FontItalic = 3, FontUnderline = 4 };

// The built-in 14 x 16 bitmap font (printable ASCII), and the base of the TrueType font.
class FontImpl {
public:
    static const int GlyphWidth = 14;
    static const int GlyphHeight = 16;
    static const int FirstGlyph = 32;
    static const int LastGlyph = 126;

    FontImpl();
    FontImpl(const FontImpl& other);
    virtual ~FontImpl();

    virtual FontImpl* clone() const;

    virtual Rect getTextSize(const std::string& text) const;
    virtual int height() const;
    virtual int getStyle() const;
    virtual void setStyle(int style);
    // A new surface holding the text. Shaded draws on the background colour;
    // the other modes leave everything but the letters transparent.
    virtual std::unique_ptr<RGBSurface> render(const std::string& text, const RGBColor& color, int mode,
                                               const RGBColor& background) const;

    // Where the glyph of a character lies on the built-in sheet; false when it has none.
    static bool glyphCell(char c, Rect& cell);

protected:
    struct NoSheet {};
    explicit FontImpl(NoSheet) {}

private:
    bool isInk(int x, int y) const;

    std::unique_ptr<RGBSurface> sheet;
};

} // namespace SDL
} // namespace GLINT
