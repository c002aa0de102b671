#include "media/VideoSurface.hpp"

#include <stdexcept>

#include "media/Logger.hpp"

namespace GLINT {
namespace SDL {

namespace {
Uint32 videoFlags = SDL_HWSURFACE | SDL_RESIZABLE | SDL_ANYFORMAT | SDL_HWPALETTE | SDL_DOUBLEBUF;
} // namespace

Uint32 VideoSurface::getVideoFlags() { return videoFlags; }

void VideoSurface::setVideoFlag(Uint32 flag, bool on) {
    if (on)
        videoFlags |= flag;
    else
        videoFlags &= ~flag;
}

VideoSurface::VideoSurface(int width, int height, int bpp) {
    try {
        surface = SDL_SetVideoMode(width, height, bpp, videoFlags);
        if (!surface) {
            MediaLog << Logger::beginEntry << "Unable to set " << width << " x " << height
                     << " display surface : " << std::endl;
            throw std::logic_error("SDL_SetVideoMode() return NULL");
        }
    } catch (const std::exception& e) {
        MediaLog << Logger::beginEntry << "VideoSurface:: Exception in Constructor !" << std::endl;
        MediaLog << Logger::beginEntry << e.what() << std::endl;
        MediaLog << Logger::beginEntry << SDL_GetError() << std::endl;
        throw;
    }
}

VideoSurface::~VideoSurface() {
    // SDL owns the display surface and frees it with the video subsystem.
    surface = nullptr;
}

bool VideoSurface::resize(int width, int height, bool keepContent) {
    if (!surface)
        return false;
    SDL_Surface* copy = nullptr;
    if (keepContent && !isOpenGL()) {
        copy = SDL_CreateRGBSurface(SDL_SWSURFACE, surface->w, surface->h, 32, 0xff000000, 0x00ff0000,
                                    0x0000ff00, 0x000000ff);
        if (copy)
            SDL_BlitSurface(surface, nullptr, copy, nullptr);
    }
    SDL_Surface* resized = SDL_SetVideoMode(width, height, surface->format->BitsPerPixel, surface->flags);
    if (!resized) {
        MediaLog << Logger::beginEntry << "Unable to resize to " << width << " x " << height
                 << " 2D display surface " << SDL_GetError() << std::endl;
        if (copy)
            SDL_FreeSurface(copy);
        return false;
    }
    surface = resized;
    if (copy) {
        SDL_BlitSurface(copy, nullptr, surface, nullptr);
        SDL_FreeSurface(copy);
    }
    return true;
}

bool VideoSurface::refresh() {
    if (!surface)
        return false;
    if (isOpenGL()) {
        SDL_GL_SwapBuffers();
        return true;
    }
    return SDL_Flip(surface) == 0;
}

} // namespace SDL
} // namespace GLINT
