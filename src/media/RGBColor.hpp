#pragma once

#include <SDL/SDL_video.h>

namespace GLINT {
namespace SDL {

class RGBColor {
public:
    RGBColor(Uint8 r = 0, Uint8 g = 0, Uint8 b = 0) : r(r), g(g), b(b) {}
    virtual ~RGBColor() = default;

    Uint8 getR() const { return r; }
    Uint8 getG() const { return g; }
    Uint8 getB() const { return b; }
    void setR(Uint8 value) { r = value; }
    void setG(Uint8 value) { g = value; }
    void setB(Uint8 value) { b = value; }

    // The pixel value of this colour in a surface's format.
    virtual Uint32 map(const SDL_PixelFormat* format) const;
    static RGBColor fromPixel(Uint32 pixel, const SDL_PixelFormat* format);

    bool operator==(const RGBColor& other) const { return r == other.r && g == other.g && b == other.b; }
    bool operator!=(const RGBColor& other) const { return !(*this == other); }

    SDL_Color get_SDL() const;

protected:
    Uint8 r, g, b;
};

} // namespace SDL
} // namespace GLINT
