#pragma once

#include <SDL/SDL_video.h>

#include "media/Point.hpp"
#include "media/RGBAColor.hpp"
#include "media/RGBColor.hpp"
#include "media/Rect.hpp"

namespace GLINT {
namespace SDL {

// Owns one SDL surface and frees it when destroyed.
class BaseSurface {
public:
    virtual ~BaseSurface();

    BaseSurface(const BaseSurface&) = delete;
    BaseSurface& operator=(const BaseSurface&) = delete;

    int getWidth() const { return surface ? surface->w : 0; }
    int getHeight() const { return surface ? surface->h : 0; }
    int getDepth() const { return surface ? surface->format->BitsPerPixel : 0; }
    Uint32 getFlags() const { return surface ? surface->flags : 0; }
    const SDL_PixelFormat* getFormat() const { return surface ? surface->format : nullptr; }

    bool fill(const RGBColor& color);
    bool fill(const RGBColor& color, const Rect& area);
    bool fill(const RGBAColor& color, const Rect& area);

    // Draws source (or its sourceArea) with its top-left corner at destination.
    bool blit(const BaseSurface& source, const Point& destination);
    bool blit(const BaseSurface& source, const Point& destination, const Rect& sourceArea);
    bool blit(const BaseSurface& source, const Rect& destination, const Rect& sourceArea);

    void setClipRect(const Rect& area);
    void resetClipRect();
    Rect getClipRect() const;

    bool lock();
    void unlock();
    bool mustLock() const;

    Uint32 getpixel(int x, int y);
    void putpixel(int x, int y, Uint32 pixel);

    SDL_Surface* get_SDL() const { return surface; }

protected:
    explicit BaseSurface(SDL_Surface* surface = nullptr) : surface(surface) {}

    // A converted copy of source in the given pixel format, for subclasses' copies.
    static SDL_Surface* convertCopy(const SDL_Surface* source, const SDL_PixelFormat* format, Uint32 flags);

    // Takes ownership of replacement, freeing the current surface.
    void reset(SDL_Surface* replacement);

    SDL_Surface* surface;
};

} // namespace SDL
} // namespace GLINT
