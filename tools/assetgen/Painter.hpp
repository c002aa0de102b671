#pragma once

#include "Image.hpp"
#include "Mask.hpp"

// Three tones of one material, lit from the top-left.
struct Ramp {
    Rgba shade, base, light;
};

// Turns masks into shaded, outlined pixels on an image.
class Painter {
public:
    explicit Painter(Image& target) : img_(target) {}

    // Fills the mask: pixels facing the top-left get the light tone, those
    // facing the bottom-right the shade, the rest the base tone. With an
    // outline colour (alpha > 0) the mask's own border is drawn in it.
    void shade(const Mask& m, const Ramp& ramp, Rgba outline = Rgba(), int dx = 0, int dy = 0);
    // Flat fill of the mask.
    void fill(const Mask& m, Rgba c, int dx = 0, int dy = 0);
    // Ordered-dither blend of c over the mask: density 0..1.
    void dither(const Mask& m, Rgba c, double density, int dx = 0, int dy = 0);

    void pixel(int x, int y, Rgba c) { img_.set(x, y, c); }
    void rect(int x, int y, int w, int h, Rgba c);
    void frame(int x, int y, int w, int h, Rgba c);
    void line(int x0, int y0, int x1, int y1, Rgba c);

    // Dark outline on every transparent pixel 4-adjacent to an opaque one.
    static void outline(Image& img, Rgba c);
    // Shadow ellipse: checkered pixels of night under whatever is already
    // drawn. The game draws keyed sprites without blending, so shadows are
    // dithered rather than translucent; their alpha of 254 only keeps the
    // outline pass from going round them.
    static void shadow(Image& img, double cx, double cy, double rx, double ry, std::uint8_t alpha = 254);

private:
    Image& img_;
};
