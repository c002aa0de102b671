#pragma once

#include <memory>
#include <string>

#include <SDL/SDL_ttf.h>

#include "media/FontImpl.hpp"
#include "media/RWOps.hpp"

namespace GLINT {
namespace SDL {

// A TrueType font through SDL_ttf.
class FontExtend : public FontImpl {
public:
    FontExtend(const std::string& fileName, int pointSize);
    FontExtend(const FontExtend& other);
    ~FontExtend() override;

    FontImpl* clone() const override;

    Rect getTextSize(const std::string& text) const override;
    int height() const override;
    int getStyle() const override;
    void setStyle(int style) override;
    std::unique_ptr<RGBSurface> render(const std::string& text, const RGBColor& color, int mode,
                                       const RGBColor& background) const override;

private:
    void open();

    std::string fileName;
    int pointSize;
    std::unique_ptr<RWOps> stream; // SDL_ttf reads from it for the font's whole life
    TTF_Font* font = nullptr;
};

} // namespace SDL
} // namespace GLINT
