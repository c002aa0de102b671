#include "media/RGBAColor.hpp"

namespace GLINT {
namespace SDL {

Uint32 RGBAColor::map(const SDL_PixelFormat* format) const {
    return SDL_MapRGBA(const_cast<SDL_PixelFormat*>(format), r, g, b, a);
}

RGBAColor RGBAColor::fromPixel(Uint32 pixel, const SDL_PixelFormat* format) {
    Uint8 r = 0, g = 0, b = 0, a = 0;
    SDL_GetRGBA(pixel, const_cast<SDL_PixelFormat*>(format), &r, &g, &b, &a);
    return RGBAColor(r, g, b, a);
}

} // namespace SDL
} // namespace GLINT
