#pragma once

#include <string>

#include "media/BaseSurface.hpp"
#include "media/RGBAColor.hpp"
#include "media/RWOps.hpp"
#include "media/Rect.hpp"

namespace GLINT {
namespace SDL {

// Every surface but the display: empty, loaded from an image file or stream, or copied.
class RGBSurface : public BaseSurface {
public:
    RGBSurface(int width, int height, int bpp);
    RGBSurface(const Rect& size, int bpp);
    explicit RGBSurface(const std::string& fileName);
    RGBSurface(const RGBAColor& colorKey, const std::string& fileName);
    explicit RGBSurface(const RWOps& stream);
    RGBSurface(const RGBAColor& colorKey, const RWOps& stream);
    RGBSurface(const RGBSurface& other);
    // Takes ownership of an SDL surface made elsewhere (for example rendered text).
    explicit RGBSurface(SDL_Surface* owned);

    RGBSurface& operator=(const RGBSurface& other);

    // Alpha 255: only the key colour becomes transparent. Below 255: the whole
    // picture takes that alpha as well.
    bool setColorKey(const RGBAColor& key, bool accelerate = true);

    bool resize(int width, int height, bool keepContent);

    // Converts once to the display's pixel format (keeping colour key and alpha),
    // so later blits need no per-pixel conversion. Needs a display.
    bool convertToDisplayFormat();

    // Flags given to empty surfaces; the video initialisation may change them.
    static Uint32 defaultFlags;

    static const Uint32 RedMask = 0xff000000;
    static const Uint32 GreenMask = 0x00ff0000;
    static const Uint32 BlueMask = 0x0000ff00;
    static const Uint32 AlphaMask = 0x000000ff;

private:
    static SDL_Surface* createEmpty(int width, int height, int bpp, Uint32 flags);
    static SDL_Surface* load(const std::string& fileName);
    static SDL_Surface* load(const RWOps& stream);
};

} // namespace SDL
} // namespace GLINT
