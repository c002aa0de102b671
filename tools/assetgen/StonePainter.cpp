#include "StonePainter.hpp"

#include "Mask.hpp"
#include "Noise.hpp"
#include "Painter.hpp"
#include "Rng.hpp"

#include <algorithm>
#include <cmath>

namespace {
// A rock: a lumpy ellipsoid whose facets are lit from the top-left.
void rock(Image& img, double cx, double cy, double rx, double ry, unsigned seed, bool snowCap = false) {
    for (int y = static_cast<int>(cy - ry - 2); y <= static_cast<int>(cy + ry + 2); ++y)
        for (int x = static_cast<int>(cx - rx - 2); x <= static_cast<int>(cx + rx + 2); ++x) {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            double ang = std::atan2(dy, dx);
            double edge = 0.86 + 0.28 * Noise::value(ang * 3 + 10, 0, 1.0, seed);
            double d = std::hypot(dx, dy);
            if (d > edge)
                continue;
            // Faceted normal: quantise the angle so the rock reads as chipped planes.
            double facet = std::floor((ang + 3.2) * 2.2 + Noise::value(x, y, 6, seed + 1) * 1.5);
            double fa = facet / 2.2 - 3.2;
            double nz = std::sqrt(std::max(0.0, 1 - (d / edge) * (d / edge)));
            double light = -(std::cos(fa) + std::sin(fa)) * (1 - nz) * 0.8 + nz * 0.55 - 0.15;
            Rgba c = light > 0.5 ? Palette::Steel : (light > 0.15 ? Palette::Ash : (light > -0.25 ? Palette::Stone : Palette::Soot));
            if (snowCap && dy < -0.15 + 0.3 * Noise::value(x, 0, 4, seed + 2) && light > 0)
                c = light > 0.4 ? Palette::White : Palette::Ice;
            if (Rng::hashUnit(x, y, seed + 3) < 0.04)
                c = Palette::Soot;
            img.set(x, y, c);
        }
}

void moss(Image& img, unsigned seed, double amount) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            Rgba c = img.get(x, y);
            if (c.a != 255 || c == Palette::Night)
                continue;
            double n = Noise::value(x, y, 4, seed);
            if (n > 1 - amount && img.get(x, y - 1).a == 255)
                img.set(x, y, n > 1 - amount / 2 ? Palette::Leaf : Palette::Moss);
        }
}

// Stone courses: blocks with dark joints, lit edges on the top-left.
void courses(Image& img, int x0, int y0, int w, int h, int blockH, Rgba light, Rgba base, Rgba dark, unsigned seed) {
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
            int row = (y - y0) / blockH;
            int offset = (row % 2) * 5;
            int bw = 9 + static_cast<int>(Rng::hash(row, (x + offset) / 10, seed) % 3);
            int col = (x + offset) / bw;
            int lx = (x + offset) % bw, ly = (y - y0) % blockH;
            Rgba c = base;
            if (lx == 0 || ly == blockH - 1)
                c = dark;
            else if (lx == 1 || ly == 0)
                c = light;
            else if (Rng::hash(row, col, seed + 1) % 5 == 0)
                c = Palette::Stone;
            img.set(x, y, c);
        }
}

void breakTop(Image& img, unsigned seed) {
    // Knock stones off the top edge and leave rubble at the foot.
    Rng r(seed);
    for (int x = 0; x < img.width(); ++x) {
        int cut = static_cast<int>(6 * Noise::value(x, 0, 5, seed)) + 2;
        int top = 0;
        while (top < img.height() && img.get(x, top).a != 255)
            ++top;
        for (int y = top; y < top + cut && y < img.height(); ++y)
            img.set(x, y, Palette::Key);
    }
    for (int i = 0; i < 3; ++i)
        rock(img, r.range(4, 28), r.range(27, 30), 2.5, 1.8, seed + 10 + i);
}
} // namespace

Image StonePainter::boulder(int variant) {
    Image img(48, 48);
    Painter::shadow(img, 26, 40, 20, 6);
    double rx = 18 - variant * 2, ry = 14 - variant;
    rock(img, 24, 30, rx, ry, 3100 + variant);
    if (variant == 2)
        rock(img, 36, 38, 7, 5, 3150);
    if (variant == 1)
        moss(img, 3160, 0.25);
    Painter::outline(img, Palette::Night);
    return img;
}

Image StonePainter::pebbles(int variant) {
    Image img(32, 32);
    Rng r(3200 + variant);
    for (int i = 0; i < 4 + variant; ++i)
        rock(img, r.range(6, 26), r.range(12, 26), r.range(2, 3), r.range(1, 2) + 0.5, 3210 + i * 7 + variant);
    Painter::outline(img, Palette::Night);
    return img;
}

Image StonePainter::gravestone(int variant) {
    Image img(32, 32);
    Painter::shadow(img, 17, 28, 10, 3);
    Mask m(32, 32);
    if (variant == 1) { // a cross
        m.rect(14, 6, 5, 22);
        m.rect(9, 11, 15, 5);
    } else if (variant == 3) { // a low slab
        m.rect(8, 16, 17, 12);
        m.ellipse(16.5, 16, 8.5, 3);
    } else {
        m.rect(9, 11, 15, 17);
        m.ellipse(16.5, 11, 7.5, 6);
    }
    Painter p(img);
    p.shade(m, {Palette::Stone, Palette::Ash, Palette::Steel}, Palette::Night);
    // The engraved line and the front foot.
    if (variant != 1) {
        p.line(13, variant == 3 ? 20 : 14, 20, variant == 3 ? 20 : 14, Palette::Soot);
        p.line(13, variant == 3 ? 23 : 17, 19, variant == 3 ? 23 : 17, Palette::Soot);
    }
    p.rect(8, 27, 17, 2, Palette::Soot);
    if (variant == 2)
        moss(img, 3300, 0.35);
    return img;
}

Image StonePainter::bones(int variant) {
    Image img(32, 32);
    Mask m(32, 32);
    Rng r(3400 + variant);
    // A skull and a few long bones with knobbed ends.
    m.ellipse(11 + variant * 8, 16, 4.5, 4);
    m.rect(9 + variant * 8, 18, 5, 3);
    for (int i = 0; i < 3; ++i) {
        double x0 = r.range(4, 26), y0 = r.range(14, 26), x1 = x0 + r.range(-9, 9), y1 = y0 + r.range(-3, 3);
        m.capsule(x0, y0, x1, y1, 1);
        m.ellipse(x0, y0, 1.6, 1.6);
        m.ellipse(x1, y1, 1.6, 1.6);
    }
    Painter p(img);
    p.shade(m, {Palette::Steel, Palette::Ice, Palette::White}, Palette::Night);
    int sx = 11 + variant * 8;
    p.pixel(sx - 2, 16, Palette::Night);
    p.pixel(sx + 1, 16, Palette::Night);
    p.pixel(sx - 1, 19, Palette::Soot);
    return img;
}

Image StonePainter::crag(int variant) {
    Image img(64, 64);
    Painter::shadow(img, 36, 54, 26, 8);
    rock(img, 30, 40, 24, 18, 3500 + variant, variant == 1);
    rock(img, 22 + variant * 18, 28, 12, 14, 3510 + variant, variant == 1);
    Painter::outline(img, Palette::Night);
    return img;
}

Image StonePainter::wallHorizontal(int variant) {
    Image img(32, 32);
    Painter p(img);
    // Top face (seen from above), then the front face in shade.
    courses(img, 0, 8, 32, 9, 4, Palette::Steel, Palette::Ash, Palette::Stone, 3600 + variant);
    courses(img, 0, 17, 32, 12, 6, Palette::Ash, Palette::Stone, Palette::Soot, 3610 + variant);
    p.rect(0, 16, 32, 1, Palette::Soot);
    p.rect(0, 29, 32, 1, Palette::Night);
    p.rect(0, 7, 32, 1, Palette::Night);
    for (int x = 0; x < 32; x += 2)
        p.pixel(x + 1, 30, Palette::Night.withAlpha(254));
    if (variant == 1)
        moss(img, 3620, 0.3);
    if (variant == 2)
        breakTop(img, 3630);
    return img;
}

Image StonePainter::wallVertical(int variant) {
    Image img(32, 32);
    Painter p(img);
    courses(img, 8, 0, 16, 32, 4, Palette::Steel, Palette::Ash, Palette::Stone, 3700 + variant);
    p.rect(7, 0, 1, 32, Palette::Night);
    p.rect(24, 0, 1, 32, Palette::Night);
    p.rect(23, 0, 1, 32, Palette::Stone);
    for (int y = 0; y < 32; y += 2)
        p.pixel(25, y, Palette::Night.withAlpha(254));
    if (variant == 1)
        moss(img, 3720, 0.3);
    if (variant == 2) {
        for (int y = 4; y < 14; ++y)
            for (int x = 8; x < 24; ++x)
                if (Noise::value(x, y, 4, 3730) + (y - 4) * 0.05 < 0.6)
                    img.set(x, y, Palette::Key);
        Painter::outline(img, Palette::Night);
    }
    return img;
}

Image StonePainter::wallPost(int variant) {
    Image img(32, 32);
    Painter p(img);
    courses(img, 5, 2, 22, 10, 5, Palette::White, Palette::Steel, Palette::Ash, 3800 + variant);
    courses(img, 5, 12, 22, 17, 6, Palette::Ash, Palette::Stone, Palette::Soot, 3810 + variant);
    p.frame(4, 1, 24, 29, Palette::Night);
    p.rect(5, 12, 22, 1, Palette::Soot);
    if (variant == 1)
        moss(img, 3820, 0.3);
    return img;
}
