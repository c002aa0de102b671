#pragma once

#include <memory>
#include <string>

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

    int getRenderMode() const { return renderMode; }
    int getStyle() const { return style; }
    const std::string& getFileName() const { return fileName; }

private:
    std::unique_ptr<GLINT::SDL::Font> font;
    int renderMode;
    int style;
    std::string fileName;
    int glyphSpacing = 0;
    int rowSpacing = 0;
};

} // namespace gcn
