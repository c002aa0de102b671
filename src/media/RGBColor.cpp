#include "media/RGBColor.hpp"

namespace GLINT {
namespace SDL {

Uint32 RGBColor::map(const SDL_PixelFormat* format) const {
    return SDL_MapRGB(const_cast<SDL_PixelFormat*>(format), r, g, b);
}

RGBColor RGBColor::fromPixel(Uint32 pixel, const SDL_PixelFormat* format) {
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(pixel, const_cast<SDL_PixelFormat*>(format), &r, &g, &b);
    return RGBColor(r, g, b);
}

SDL_Color RGBColor::get_SDL() const {
    SDL_Color color;
    color.r = r;
    color.g = g;
    color.b = b;
    color.unused = 0;
    return color;
}

} // namespace SDL
} // namespace GLINT
