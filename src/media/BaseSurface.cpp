#include "media/BaseSurface.hpp"

#include <stdexcept>
#include <string>

#include <SDL/SDL_endian.h>

#include "media/Logger.hpp"

namespace GLINT {
namespace SDL {

BaseSurface::~BaseSurface() { reset(nullptr); }

void BaseSurface::reset(SDL_Surface* replacement) {
    if (surface && surface != replacement)
        SDL_FreeSurface(surface);
    surface = replacement;
}

bool BaseSurface::fill(const RGBColor& color) {
    return surface && SDL_FillRect(surface, nullptr, color.map(surface->format)) == 0;
}

bool BaseSurface::fill(const RGBColor& color, const Rect& area) {
    if (!surface)
        return false;
    SDL_Rect r = *area.get_SDL();
    return SDL_FillRect(surface, &r, color.map(surface->format)) == 0;
}

bool BaseSurface::fill(const RGBAColor& color, const Rect& area) {
    if (!surface)
        return false;
    SDL_Rect r = *area.get_SDL();
    return SDL_FillRect(surface, &r, color.map(surface->format)) == 0;
}

namespace {
bool blitSurfaces(SDL_Surface* source, SDL_Rect* sourceArea, SDL_Surface* target, SDL_Rect* destination) {
    if (!source || !target)
        return false;
    if (SDL_BlitSurface(source, sourceArea, target, destination) == 0)
        return true;
    MediaLog << Logger::beginEntry << SDL_GetError() << std::endl;
    return false;
}
} // namespace

bool BaseSurface::blit(const BaseSurface& source, const Point& destination) {
    // SDL writes the clipped rectangle back into its arguments: work on copies.
    SDL_Rect dest = *destination.get_SDL();
    return blitSurfaces(source.surface, nullptr, surface, &dest);
}

bool BaseSurface::blit(const BaseSurface& source, const Point& destination, const Rect& sourceArea) {
    SDL_Rect dest = *destination.get_SDL();
    SDL_Rect src = *sourceArea.get_SDL();
    return blitSurfaces(source.surface, &src, surface, &dest);
}

bool BaseSurface::blit(const BaseSurface& source, const Rect& destination, const Rect& sourceArea) {
    SDL_Rect dest = *destination.get_SDL();
    SDL_Rect src = *sourceArea.get_SDL();
    return blitSurfaces(source.surface, &src, surface, &dest);
}

void BaseSurface::setClipRect(const Rect& area) {
    if (!surface)
        return;
    SDL_Rect r = *area.get_SDL();
    SDL_SetClipRect(surface, &r);
}

void BaseSurface::resetClipRect() {
    if (surface)
        SDL_SetClipRect(surface, nullptr);
}

Rect BaseSurface::getClipRect() const {
    if (!surface)
        return Rect();
    const SDL_Rect& r = surface->clip_rect;
    return Rect(r.x, r.y, r.w, r.h);
}

bool BaseSurface::mustLock() const { return surface && SDL_MUSTLOCK(surface); }

bool BaseSurface::lock() { return surface && SDL_LockSurface(surface) == 0; }

void BaseSurface::unlock() {
    if (surface)
        SDL_UnlockSurface(surface);
}

Uint32 BaseSurface::getpixel(int x, int y) {
    if (!surface || x < 0 || y < 0 || x >= surface->w || y >= surface->h)
        return 0;
    const bool locking = mustLock();
    if (locking && !lock())
        return 0;
    const int bpp = surface->format->BytesPerPixel;
    const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bpp;
    Uint32 value = 0;
    switch (bpp) {
    case 1:
        value = *p;
        break;
    case 2:
        value = *reinterpret_cast<const Uint16*>(p);
        break;
    case 3:
        if (SDL_BYTEORDER == SDL_BIG_ENDIAN)
            value = static_cast<Uint32>(p[0] << 16 | p[1] << 8 | p[2]);
        else
            value = static_cast<Uint32>(p[0] | p[1] << 8 | p[2] << 16);
        break;
    case 4:
        value = *reinterpret_cast<const Uint32*>(p);
        break;
    default:
        value = 0;
    }
    if (locking)
        unlock();
    return value;
}

void BaseSurface::putpixel(int x, int y, Uint32 pixel) {
    // Out-of-range writes would land outside the pixel buffer.
    if (!surface || x < 0 || y < 0 || x >= surface->w || y >= surface->h)
        return;
    const bool locking = mustLock();
    if (locking && !lock())
        return;
    const int bpp = surface->format->BytesPerPixel;
    Uint8* p = static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * bpp;
    switch (bpp) {
    case 1:
        *p = static_cast<Uint8>(pixel);
        break;
    case 2:
        *reinterpret_cast<Uint16*>(p) = static_cast<Uint16>(pixel);
        break;
    case 3:
        if (SDL_BYTEORDER == SDL_BIG_ENDIAN) {
            p[0] = (pixel >> 16) & 0xff;
            p[1] = (pixel >> 8) & 0xff;
            p[2] = pixel & 0xff;
        } else {
            p[0] = pixel & 0xff;
            p[1] = (pixel >> 8) & 0xff;
            p[2] = (pixel >> 16) & 0xff;
        }
        break;
    case 4:
        *reinterpret_cast<Uint32*>(p) = pixel;
        break;
    default:
        break;
    }
    if (locking)
        unlock();
}

SDL_Surface* BaseSurface::convertCopy(const SDL_Surface* source, const SDL_PixelFormat* format, Uint32 flags) {
    SDL_Surface* copy = SDL_ConvertSurface(const_cast<SDL_Surface*>(source),
                                           const_cast<SDL_PixelFormat*>(format), flags);
    if (!copy)
        throw std::logic_error(std::string("Unable to copy the BaseSurface : error in SDL_ConvertSurface ->") +
                               SDL_GetError());
    return copy;
}

} // namespace SDL
} // namespace GLINT
