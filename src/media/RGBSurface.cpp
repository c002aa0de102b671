#include "media/RGBSurface.hpp"

#include <stdexcept>

#include <SDL/SDL_image.h>

#include "media/LogRethrow.hpp"
#include "media/Logger.hpp"

namespace GLINT {
namespace SDL {

Uint32 RGBSurface::defaultFlags = SDL_SWSURFACE;

namespace {
const char* const ConstructorFailure = "Exception catched in RGBSurface Constructor !!!";
} // namespace

SDL_Surface* RGBSurface::createEmpty(int width, int height, int bpp, Uint32 flags) {
    if (bpp == 0)
        throw std::logic_error("bpp should not be set to 0 for rgb surfaces !");
    // The RGBA masks only describe a 32-bit pixel; other depths take SDL's own layout.
    const bool rgba = bpp == 32;
    SDL_Surface* created = SDL_CreateRGBSurface(flags, width, height, bpp, rgba ? RedMask : 0,
                                                rgba ? GreenMask : 0, rgba ? BlueMask : 0,
                                                rgba ? AlphaMask : 0);
    if (!created) {
        MediaLog << Logger::beginEntry << "Unable to create a " << width << " x " << height << " x " << bpp
                 << " rgb surface : " << SDL_GetError() << std::endl;
        throw std::logic_error("SDL_CreateRGBSurface returns NULL");
    }
    return created;
}

SDL_Surface* RGBSurface::load(const std::string& fileName) {
    SDL_Surface* loaded = IMG_Load(fileName.c_str());
    if (!loaded) {
        MediaLog << Logger::beginEntry << "Unable to set rgb surface from " << fileName << std::endl;
        // The file and SDL_image's reason travel with the error so the game log names them too.
        throw std::logic_error(std::string("IMG_Load returns NULL (") + fileName + ": " + IMG_GetError() + ")");
    }
    return loaded;
}

SDL_Surface* RGBSurface::load(const RWOps& stream) {
    SDL_Surface* loaded = stream.get_SDL() ? IMG_Load_RW(stream.get_SDL(), 0) : nullptr;
    if (!loaded) {
        MediaLog << Logger::beginEntry << "Error : Unable to set rgb surface from RWOps" << std::endl;
        throw std::logic_error("IMG_Load_RW returns NULL");
    }
    return loaded;
}

RGBSurface::RGBSurface(int width, int height, int bpp) {
    Log_Rethrow(ConstructorFailure, LogStyle::TwoEntries,
                [&] { reset(createEmpty(width, height, bpp, defaultFlags)); });
}

RGBSurface::RGBSurface(const Rect& size, int bpp) : RGBSurface(size.getw(), size.geth(), bpp) {}

RGBSurface::RGBSurface(const std::string& fileName) {
    Log_Rethrow(ConstructorFailure, LogStyle::TwoEntries, [&] { reset(load(fileName)); });
}

RGBSurface::RGBSurface(const RGBAColor& colorKey, const std::string& fileName) {
    Log_Rethrow(ConstructorFailure, LogStyle::TwoEntries, [&] {
        reset(load(fileName));
        setColorKey(colorKey, true);
    });
}

RGBSurface::RGBSurface(const RWOps& stream) {
    Log_Rethrow(ConstructorFailure, LogStyle::TwoEntries, [&] { reset(load(stream)); });
}

RGBSurface::RGBSurface(const RGBAColor& colorKey, const RWOps& stream) {
    Log_Rethrow(ConstructorFailure, LogStyle::TwoEntries, [&] {
        reset(load(stream));
        setColorKey(colorKey, true);
    });
}

RGBSurface::RGBSurface(const RGBSurface& other) : BaseSurface() {
    Log_Rethrow("Exception catched in RGBSurface Copy Constructor !!!", LogStyle::TwoEntries, [&] {
        if (other.surface)
            reset(convertCopy(other.surface, other.surface->format, other.surface->flags));
    });
}

RGBSurface::RGBSurface(SDL_Surface* owned) : BaseSurface(owned) {}

RGBSurface& RGBSurface::operator=(const RGBSurface& other) {
    if (this != &other)
        reset(other.surface ? convertCopy(other.surface, other.surface->format, other.surface->flags)
                            : nullptr);
    return *this;
}

bool RGBSurface::setColorKey(const RGBAColor& key, bool accelerate) {
    if (!surface)
        return false;
    const Uint32 rle = accelerate ? SDL_RLEACCEL : 0;
    const Uint32 keyPixel = SDL_MapRGB(surface->format, key.getR(), key.getG(), key.getB());
    if (key.getA() == 255)
        return SDL_SetColorKey(surface, SDL_SRCCOLORKEY | rle, keyPixel) == 0;
    SDL_SetAlpha(surface, SDL_SRCALPHA, key.getA());
    return SDL_SetColorKey(surface, SDL_SRCCOLORKEY | SDL_SRCALPHA | rle, keyPixel) == 0;
}

bool RGBSurface::resize(int width, int height, bool keepContent) {
    SDL_Surface* resized = nullptr;
    if (surface && width > 0 && height > 0) {
        const int bpp = surface->format->BitsPerPixel;
        const bool rgba = bpp == 32;
        resized = SDL_CreateRGBSurface(surface->flags, width, height, bpp, rgba ? RedMask : 0,
                                       rgba ? GreenMask : 0, rgba ? BlueMask : 0, rgba ? AlphaMask : 0);
    }
    if (!resized) {
        MediaLog << Logger::beginEntry << "Unable to resize to " << width << height << " 2D RGB surface"
                 << std::endl;
        return false;
    }
    if (keepContent)
        SDL_BlitSurface(surface, nullptr, resized, nullptr);
    reset(resized);
    return true;
}

namespace {

// Where each 8-bit channel sits in a picture's pixels, and where the display wants it.
struct Channels {
    Uint32 rMask, gMask, bMask;
    int rIn, gIn, bIn;
    int rLoss, gLoss, bLoss;
    int rOut, gOut, bOut;
};

// One row, by SDL's arithmetic: each channel cut to the display's bits. The
// same shifts for every pixel, so the compiler may do several at once.
template <class Pixel>
__attribute__((optimize("tree-vectorize"))) void Convert_Row(const Uint32* __restrict in, Pixel* __restrict out,
                                                             int width, const Channels c) {
    for (int x = 0; x < width; ++x) {
        const Uint32 p = in[x];
        out[x] = static_cast<Pixel>(((p & c.rMask) >> c.rIn >> c.rLoss) << c.rOut |
                                    ((p & c.gMask) >> c.gIn >> c.gLoss) << c.gOut |
                                    ((p & c.bMask) >> c.bIn >> c.bLoss) << c.bOut);
    }
}

// SDL_DisplayFormat of a 32-bit picture in a channel order the display
// lacks (every RGBA PNG) goes through SDL's generic blitter, pixel by pixel,
// and the start converts a hundred character sheets. This is the same
// conversion in one tight pass: each channel cut to the display's bits, the
// key and the surface alpha carried over as SDL_ConvertSurface carries
// them. Null when the picture or the display is of another kind.
SDL_Surface* Quick_Display_Format(SDL_Surface* source) {
    const SDL_Surface* display = SDL_GetVideoSurface();
    const SDL_PixelFormat* from = source->format;
    const SDL_PixelFormat* to = display ? display->format : nullptr;
    if (!to || to->palette || to->Amask || (to->BytesPerPixel != 2 && to->BytesPerPixel != 4) ||
        from->palette || from->BytesPerPixel != 4 || from->Rloss || from->Gloss || from->Bloss ||
        (source->flags & (SDL_HWSURFACE | SDL_RLEACCEL)) || (display->flags & SDL_HWSURFACE))
        return nullptr;
    SDL_Surface* converted = SDL_CreateRGBSurface(SDL_SWSURFACE, source->w, source->h, to->BitsPerPixel, to->Rmask,
                                                  to->Gmask, to->Bmask, to->Amask);
    if (!converted)
        return nullptr;
    if (SDL_LockSurface(source) != 0) {
        SDL_FreeSurface(converted);
        return nullptr;
    }
    const Channels channels{from->Rmask, from->Gmask, from->Bmask, from->Rshift, from->Gshift, from->Bshift,
                            to->Rloss,   to->Gloss,   to->Bloss,   to->Rshift,   to->Gshift,   to->Bshift};
    for (int y = 0; y < source->h; ++y) {
        const Uint32* in = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(source->pixels) + y * source->pitch);
        void* row = static_cast<Uint8*>(converted->pixels) + y * converted->pitch;
        if (to->BytesPerPixel == 2)
            Convert_Row(in, static_cast<Uint16*>(row), source->w, channels);
        else
            Convert_Row(in, static_cast<Uint32*>(row), source->w, channels);
    }
    SDL_UnlockSurface(source);
    // What SDL_DisplayFormat asks SDL_ConvertSurface for, and what that sets on its result.
    const Uint32 flags = source->flags;
    if (flags & SDL_SRCCOLORKEY) {
        Uint8 r, g, b;
        SDL_GetRGB(from->colorkey, const_cast<SDL_PixelFormat*>(from), &r, &g, &b);
        SDL_SetColorKey(converted, (flags & (SDL_SRCCOLORKEY | SDL_RLEACCELOK)) | (flags & SDL_RLEACCELOK),
                        SDL_MapRGB(converted->format, r, g, b));
    }
    if (flags & SDL_SRCALPHA)
        SDL_SetAlpha(converted, (flags & (SDL_SRCALPHA | SDL_RLEACCELOK)) | (flags & SDL_RLEACCELOK), from->alpha);
    SDL_SetClipRect(converted, &source->clip_rect);
    return converted;
}

} // namespace

bool RGBSurface::convertToDisplayFormat() {
    if (!surface || !SDL_GetVideoSurface())
        return false;
    const bool hasAlpha = surface->format->Amask != 0 && !(surface->flags & SDL_SRCCOLORKEY);
    SDL_Surface* converted = nullptr;
    if (hasAlpha)
        converted = SDL_DisplayFormatAlpha(surface);
    else if (!(converted = Quick_Display_Format(surface)))
        converted = SDL_DisplayFormat(surface);
    if (!converted)
        return false;
    reset(converted);
    return true;
}

} // namespace SDL
} // namespace GLINT
