#include "lumen/lumenimage.hpp"

#include <guichan/exception.hpp>

#include "media/RGBAColor.hpp"

namespace gcn {

LumenImage::LumenImage(GLINT::SDL::RGBSurface* surface, bool owned)
    : surface(surface), owned(owned) {}

LumenImage::~LumenImage() {
    free();
}

void LumenImage::free() {
    if (owned)
        delete surface;
    // Freed or only let go of: either way the image no longer shows it.
    surface = nullptr;
}

int LumenImage::getWidth() const {
    if (!surface)
        throw GCN_EXCEPTION("Trying to get the width of a non loaded image.");
    return surface->getWidth();
}

int LumenImage::getHeight() const {
    if (!surface)
        throw GCN_EXCEPTION("Trying to get the height of a non loaded image.");
    return surface->getHeight();
}

Color LumenImage::getPixel(int x, int y) {
    if (!surface)
        throw GCN_EXCEPTION("Trying to get a pixel from a non loaded image.");
    const GLINT::SDL::RGBAColor c =
        GLINT::SDL::RGBAColor::fromPixel(surface->getpixel(x, y), surface->getFormat());
    return Color(c.getR(), c.getG(), c.getB(), c.getA());
}

void LumenImage::putPixel(int x, int y, const Color& color) {
    if (!surface)
        throw GCN_EXCEPTION("Trying to put a pixel in a non loaded image.");
    // Opaque, as Guichan's own images write their pixels.
    const GLINT::SDL::RGBColor c(static_cast<Uint8>(color.r), static_cast<Uint8>(color.g),
                                 static_cast<Uint8>(color.b));
    surface->putpixel(x, y, c.map(surface->getFormat()));
}

void LumenImage::convertToDisplayFormat() {
    if (!surface)
        throw GCN_EXCEPTION("Trying to convert a non loaded image to display format.");

    // Guichan's convention: a picture without a colour key of its own shows
    // magenta as transparent.
    bool hasPink = false;
    if (!(surface->getFlags() & SDL_SRCCOLORKEY)) {
        const GLINT::SDL::RGBColor pink(255, 0, 255);
        for (int y = 0; y < surface->getHeight() && !hasPink; ++y)
            for (int x = 0; x < surface->getWidth() && !hasPink; ++x)
                hasPink = GLINT::SDL::RGBColor::fromPixel(surface->getpixel(x, y),
                                                          surface->getFormat()) == pink;
    }

    if (!surface->convertToDisplayFormat())
        throw GCN_EXCEPTION("Unable to convert image to display format.");

    if (hasPink)
        surface->setColorKey(GLINT::SDL::RGBAColor(255, 0, 255, 255));
}

} // namespace gcn
