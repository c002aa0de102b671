#include "VegetationPainter.hpp"

#include "Mask.hpp"
#include "Noise.hpp"
#include "Painter.hpp"
#include "Rng.hpp"

#include <cmath>

namespace {
const Rgba kLeaves[4] = {Palette::Slate, Palette::Moss, Palette::Leaf, Palette::Lime};
const Rgba kDarkLeaves[4] = {Palette::Slate, Palette::Teal, Palette::Moss, Palette::Leaf};
const Rgba kPineNeedles[4] = {Palette::Slate, Palette::Slate, Palette::Teal, Palette::Moss};

void trunk(Image& img, double x, double top, double bottom, double w, unsigned seed) {
    Mask m(img.width(), img.height());
    m.capsule(x, top, x, bottom - w / 2, w / 2);
    m.polygon({x - w / 2 - 3, bottom, x + w / 2 + 3, bottom, x + w / 2, bottom - 6, x - w / 2, bottom - 6});
    Painter(img).shade(m, {Palette::Bark, Palette::Leather, Palette::Tan}, Palette::Night);
    // Bark grain.
    Rng r(seed);
    for (int i = 0; i < 4; ++i) {
        int gx = static_cast<int>(x) + r.range(-1, 1), gy = static_cast<int>(top) + r.range(2, static_cast<int>(bottom - top) - 4);
        img.set(gx, gy, Palette::Bark);
        img.set(gx, gy + 1, Palette::Bark);
    }
}
} // namespace

void VegetationPainter::blob(Image& img, double cx, double cy, double r, const Rgba tones[4], unsigned seed) {
    for (int y = static_cast<int>(cy - r - 2); y <= static_cast<int>(cy + r + 2); ++y)
        for (int x = static_cast<int>(cx - r - 2); x <= static_cast<int>(cx + r + 2); ++x) {
            double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            double edge = r * (0.88 + 0.24 * Noise::value(std::atan2(dy, dx) * 6 + 20, 0, 1.3, seed));
            double d = std::hypot(dx, dy);
            if (d > edge)
                continue;
            // Light from the top-left on a sphere, with leafy speckle.
            double nz = std::sqrt(std::max(0.0, 1 - (d / edge) * (d / edge)));
            double light = (-dx - dy) / (edge * 1.6) + nz * 0.55;
            light += (Rng::hashUnit(x, y, seed) - 0.5) * 0.35;
            int tone = light > 0.75 ? 3 : (light > 0.35 ? 2 : (light > -0.05 ? 1 : 0));
            if (d > edge - 1.2 && dx + dy > 0)
                tone = 0;
            img.set(x, y, tones[tone]);
        }
}

Image VegetationPainter::oak(int variant) {
    Image img(64, 80);
    Painter::shadow(img, 34, 72, 22, 6);
    trunk(img, 32, 44, 74, 8, 40 + variant);
    Rng r(4100 + variant);
    const Rgba* tones = variant == 2 ? kDarkLeaves : kLeaves;
    // Back blobs first, front ones last.
    double cx = 32, cy = 30;
    struct B {
        double x, y, r;
    } blobs[] = {{cx - 12, cy - 8, 13}, {cx + 11, cy - 9, 13}, {cx, cy - 15, 13},
                 {cx - 15, cy + 6, 12}, {cx + 15, cy + 5, 12}, {cx, cy + 4, 16}};
    for (B& b : blobs) {
        b.x += r.range(-2, 2);
        b.y += r.range(-2, 2);
        blob(img, b.x, b.y, b.r + (variant == 1 ? -1.5 : 0), tones, 4200 + variant * 7 + static_cast<unsigned>(b.x));
    }
    if (variant == 1) // a few fruits
        for (int i = 0; i < 5; ++i)
            img.set(r.range(16, 48), r.range(18, 42), Palette::Blood);
    Painter::outline(img, Palette::Night);
    return img;
}

Image VegetationPainter::pine(int variant, bool snow) {
    Image img(48, 80);
    Painter::shadow(img, 25, 73, 16, 5);
    trunk(img, 24, 58, 75, 6, 50 + variant);
    Rng r(5100 + variant + (snow ? 50 : 0));
    const int tiers = 4;
    double top = 4 + variant * 2, base = 64;
    for (int t = 0; t < tiers; ++t) {
        double ty0 = top + t * (base - top) / tiers * 0.85;
        double ty1 = ty0 + (base - top) / tiers * 1.35;
        double half = 7 + t * 4.2 + r.range(0, 1);
        Mask m(48, 80);
        std::vector<double> poly = {24, ty0};
        // Jagged lower edge.
        for (int k = 0; k <= 6; ++k) {
            double fx = 24 + half - k * (2 * half / 6);
            double fy = ty1 - (k % 2 ? 3 : 0);
            poly.push_back(fx);
            poly.push_back(fy);
        }
        m.polygon(poly);
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 48; ++x) {
                if (!m.get(x, y))
                    continue;
                double side = (x + 0.5 - 24) / half;
                double light = -side * 0.8 + (Rng::hashUnit(x, y, 5200 + variant) - 0.5) * 0.5;
                int tone = light > 0.45 ? 3 : (light > -0.1 ? 2 : (light > -0.6 ? 1 : 0));
                if (!m.get(x, y + 1) || !m.get(x + 1, y))
                    tone = 0;
                Rgba c = kPineNeedles[tone];
                if (snow) {
                    // Snow lies on the upper, lit part of each tier.
                    double rel = (y - ty0) / (ty1 - ty0);
                    if (rel < 0.35 + 0.25 * Rng::hashUnit(x, 0, 5300 + t) && light > -0.5)
                        c = light > 0.2 ? Palette::White : Palette::Ice;
                    else if (rel < 0.45 && light > -0.3 && Rng::hashUnit(x, y, 5400) < 0.3)
                        c = Palette::Ice;
                }
                img.set(x, y, c);
            }
    }
    Painter::outline(img, Palette::Night);
    return img;
}

Image VegetationPainter::deadTree(int variant) {
    Image img(64, 80);
    Painter::shadow(img, 33, 73, 16, 5);
    Rng r(6100 + variant);
    Mask m(64, 80);
    m.capsule(32, 30, 32, 72, 4);
    m.polygon({25, 76, 39, 76, 36, 68, 28, 68});
    // Forked branches, each splitting again.
    struct Br {
        double x0, y0, x1, y1, w;
    };
    std::vector<Br> branches = {{32, 44, 14.0 + variant * 3, 24, 2.5}, {32, 38, 50, 16, 2.5}, {32, 32, 30, 8, 2.2}};
    for (std::size_t i = 0; i < 3; ++i) {
        Br b = branches[i];
        branches.push_back({b.x1, b.y1, b.x1 + r.range(-10, -4), b.y1 - r.range(4, 10), 1.4});
        branches.push_back({(b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2, b.x1 + r.range(4, 10), b.y1 + r.range(-8, 2), 1.3});
    }
    for (const Br& b : branches)
        m.capsule(b.x0, b.y0, b.x1, b.y1, b.w);
    Painter(img).shade(m, {Palette::Bark, Palette::Soot, Palette::Ash}, Rgba());
    Painter::outline(img, Palette::Night);
    return img;
}

Image VegetationPainter::bush(int variant) {
    Image img(32, 32);
    Painter::shadow(img, 17, 26, 12, 4);
    Rng r(7100 + variant);
    const Rgba* tones = variant == 1 ? kDarkLeaves : kLeaves;
    blob(img, 10, 19, 7, tones, 7200 + variant);
    blob(img, 22, 19, 7, tones, 7300 + variant);
    blob(img, 16, 14, 8, tones, 7400 + variant);
    blob(img, 16, 21, 7, tones, 7500 + variant);
    if (variant == 2)
        for (int i = 0; i < 6; ++i)
            img.set(r.range(8, 24), r.range(10, 24), i % 2 ? Palette::Rose : Palette::Blood);
    Painter::outline(img, Palette::Night);
    return img;
}

Image VegetationPainter::flowers(int variant) {
    Image img(32, 32);
    Rng r(8100 + variant);
    const Rgba petals[4][2] = {{Palette::Yellow, Palette::Orange},
                               {Palette::White, Palette::Ice},
                               {Palette::Pink, Palette::Rose},
                               {Palette::Sky, Palette::Royal}};
    // Stems and leaves first, then the heads.
    for (int i = 0; i < 9; ++i) {
        int x = r.range(5, 26), y = r.range(12, 27);
        img.set(x, y, Palette::Teal);
        img.set(x, y - 1, Palette::Moss);
        img.set(x - 1, y, Palette::Leaf);
    }
    for (int i = 0; i < 7; ++i) {
        int x = r.range(6, 25), y = r.range(9, 24);
        const Rgba* p = petals[(variant + (i % 3 == 0 ? 1 : 0)) % 4];
        img.set(x - 1, y, p[0]);
        img.set(x + 1, y, p[1]);
        img.set(x, y - 1, p[0]);
        img.set(x, y + 1, p[1]);
        img.set(x, y, Palette::Yellow);
        img.set(x, y + 2, Palette::Moss);
    }
    return img;
}

Image VegetationPainter::reeds(int variant) {
    Image img(32, 32);
    Rng r(9100 + variant);
    for (int i = 0; i < 9; ++i) {
        int x = r.range(5, 26), base = r.range(24, 29), top = base - r.range(10, 18);
        int lean = r.range(-2, 2);
        for (int y = top; y <= base; ++y) {
            int px = x + lean * (base - y) / std::max(1, base - top);
            img.set(px, y, y < top + 3 ? Palette::Olive : (i % 2 ? Palette::Moss : Palette::Teal));
        }
        if (i % 3 == 0) {
            int px = x + lean;
            img.set(px, top, Palette::Leather);
            img.set(px, top + 1, Palette::Rust);
            img.set(px, top + 2, Palette::Rust);
        }
    }
    Painter::outline(img, Palette::Night);
    return img;
}

Image VegetationPainter::crops(int variant) {
    Image img(32, 32);
    Painter p(img);
    Rng r(9300 + variant);
    for (int row = 0; row < 3; ++row) {
        int y = 7 + row * 10;
        for (int x = 3; x < 30; x += variant == 1 ? 9 : 4) {
            int jx = x + r.range(0, 1);
            if (variant == 0) { // wheat: stalks with heavy ears
                for (int k = 0; k < 6; ++k)
                    p.pixel(jx, y - k, k < 2 ? Palette::Ochre : Palette::Olive);
                p.pixel(jx, y - 6, Palette::Yellow);
                p.pixel(jx, y - 7, Palette::Yellow);
                p.pixel(jx + 1, y - 6, Palette::Tan);
            } else if (variant == 1) { // cabbages
                Mask m(32, 32);
                m.ellipse(jx + 3, y - 1, 3.5, 3);
                p.shade(m, {Palette::Teal, Palette::Leaf, Palette::Lime}, Palette::Night);
            } else { // young shoots
                p.pixel(jx, y, Palette::Moss);
                p.pixel(jx, y - 1, Palette::Leaf);
                p.pixel(jx - 1, y - 2, Palette::Lime);
                p.pixel(jx + 1, y - 2, Palette::Leaf);
            }
        }
    }
    return img;
}
