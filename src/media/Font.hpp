#pragma once

#include <memory>
#include <string>

#include "media/FontImpl.hpp"

namespace GLINT {
namespace SDL {

// A font handle: a TrueType font, or the built-in bitmap font when made without a file.
class Font {
public:
    Font();
    Font(const std::string& trueTypeFile, int pointSize);
    Font(const Font& other);
    Font& operator=(const Font& other);
    ~Font();

    Rect getTextSize(const std::string& text) const { return impl->getTextSize(text); }
    int height() const { return impl->height(); }
    int getStyle() const { return impl->getStyle(); }
    void setStyle(int style) { impl->setStyle(style); }
    std::unique_ptr<RGBSurface> render(const std::string& text, const RGBColor& color,
                                       int mode = FontBlended,
                                       const RGBColor& background = RGBColor()) const {
        return impl->render(text, color, mode, background);
    }

private:
    std::unique_ptr<FontImpl> impl;
};

} // namespace SDL
} // namespace GLINT
