#pragma once

#include <guichan/color.hpp>
#include <guichan/image.hpp>

#include "media/RGBSurface.hpp"

namespace gcn {

// A Guichan image over a media-layer surface. A null surface means the image
// is not loaded; every operation on it then throws.
class LumenImage : public Image {
public:
    // owned: the image deletes the surface when freed or destroyed.
    LumenImage(GLINT::SDL::RGBSurface* surface, bool owned);
    ~LumenImage() override;

    LumenImage(const LumenImage&) = delete;
    LumenImage& operator=(const LumenImage&) = delete;

    GLINT::SDL::RGBSurface* getSurface() const { return surface; }
    bool isOwned() const { return owned; }

    void free() override;
    int getWidth() const override;
    int getHeight() const override;
    Color getPixel(int x, int y) override;
    void putPixel(int x, int y, const Color& color) override;
    void convertToDisplayFormat() override;

private:
    GLINT::SDL::RGBSurface* surface;
    bool owned;
};

} // namespace gcn
