#pragma once

#include "media/RGBColor.hpp"

namespace GLINT {
namespace SDL {

class RGBAColor : public RGBColor {
public:
    RGBAColor(Uint8 r = 0, Uint8 g = 0, Uint8 b = 0, Uint8 a = 255) : RGBColor(r, g, b), a(a) {}
    RGBAColor(const RGBColor& color, Uint8 a = 255) : RGBColor(color), a(a) {}

    Uint8 getA() const { return a; }
    void setA(Uint8 value) { a = value; }

    Uint32 map(const SDL_PixelFormat* format) const override;
    static RGBAColor fromPixel(Uint32 pixel, const SDL_PixelFormat* format);

    bool operator==(const RGBAColor& other) const { return RGBColor::operator==(other) && a == other.a; }

private:
    Uint8 a;
};

} // namespace SDL
} // namespace GLINT
