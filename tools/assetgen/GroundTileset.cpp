#include "GroundTileset.hpp"

#include "Noise.hpp"
#include "Rng.hpp"

#include <algorithm>
#include <cmath>

namespace {
constexpr int T = GroundTileset::Tile;
constexpr double kPi = 3.14159265358979323846;

std::uint32_t seedOf(GroundTileset::Terrain t) { return 7001u + 97u * static_cast<unsigned>(t); }

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

// Light family of a plain variant: variants 2-4 lit, 5-7 even, 8-9 shaded.
double familyLight(int variant) {
    if (variant >= 2 && variant <= 4)
        return 1;
    if (variant >= 8)
        return -1;
    return 0;
}

// How far inside the terrain a point of a piece is: above 0.5 is inside.
double field(GroundTileset::Terrain t, int mask, double x, double y) {
    double u = smooth(std::clamp(x / T, 0.0, 1.0)), v = smooth(std::clamp(y / T, 0.0, 1.0));
    double tl = mask & 1 ? 1 : 0, tr = mask & 2 ? 1 : 0, bl = mask & 4 ? 1 : 0, br = mask & 8 ? 1 : 0;
    double f = (tl * (1 - u) + tr * u) * (1 - v) + (bl * (1 - u) + br * u) * v;
    double amp = (t == GroundTileset::Way) ? 0.16 : (t == GroundTileset::Moutain ? 0.34 : 0.28);
    double n = Noise::periodicFractal(x, y, 16, T, 2, seedOf(t) + 5) - 0.5;
    return f + amp * 2 * n;
}

// Variation that vanishes on the piece's edges, so variants still join.
double window(int x, int y) { return std::sin(kPi * (x + 0.5) / T) * std::sin(kPi * (y + 0.5) / T); }

double base(GroundTileset::Terrain t, int x, int y, int variant, double cell, int salt) {
    double n = Noise::periodicFractal(x, y, cell, T, 3, seedOf(t) + salt);
    double w = Noise::value(x, y, cell / 2, seedOf(t) + 1000 + 31 * variant + salt) - 0.5;
    return std::clamp(n + 0.35 * w * window(x, y), 0.0, 1.0);
}

Rgba pick3(double v, int x, int y, Rgba a, Rgba b, Rgba c, double t1, double t2) {
    // Ordered dither across the two thresholds.
    double d = (Noise::bayer(x, y) - 0.5) * 0.12;
    v += d;
    return v < t1 ? a : (v < t2 ? b : c);
}

struct Edge {
    double depth;  // field above 0.5: 0 on the border, growing inwards
    double gx, gy; // direction into the terrain
};

Edge edgeAt(GroundTileset::Terrain t, int mask, int x, int y) {
    double cx = x + 0.5, cy = y + 0.5;
    double f = field(t, mask, cx, cy);
    double gx = field(t, mask, cx + 1, cy) - field(t, mask, cx - 1, cy);
    double gy = field(t, mask, cx, cy + 1) - field(t, mask, cx, cy - 1);
    double g = std::sqrt(gx * gx + gy * gy);
    Edge e;
    // Distance in pixels from the border, estimated from the slope.
    e.depth = g > 1e-6 ? (f - 0.5) / (g / 2) : 99.0;
    e.gx = g > 1e-6 ? gx / g : 0;
    e.gy = g > 1e-6 ? gy / g : 0;
    return e;
}

// Terrain facing the light (its border to the top-left) gets lit, the other side shaded.
double facing(const Edge& e) { return (e.gx + e.gy) / std::sqrt(2.0); }

// Dry, yellowed grass of the old north-west.
Rgba withered(int x, int y, int v, const Edge& e) {
    double n = base(GroundTileset::Withered, x, y, v, 16, 0);
    Rgba c = pick3(n, x, y, Palette::Bark, Palette::Olive, Palette::Ochre, 0.30, 0.78);
    double h = Rng::hashUnit(x, y, 21 + v);
    if (h < 0.05)
        c = Palette::Tan;
    else if (h < 0.09)
        c = Palette::Moss;
    if (e.depth < 1.2)
        c = Palette::Bark;
    return c;
}

Rgba earth(int x, int y, int v, const Edge& e) {
    double n = base(GroundTileset::Earth, x, y, v, 11, 0);
    Rgba c = pick3(n, x, y, Palette::Rust, Palette::Leather, Palette::Ochre, 0.30, 0.76);
    double h = Rng::hashUnit(x, y, 31 + v);
    if (h < 0.018)
        c = Palette::Tan;
    else if (h < 0.03)
        c = Palette::Rust;
    if (e.depth < 1.2)
        c = facing(e) > 0 ? Palette::Bark : Palette::Rust;
    else if (e.depth < 2.2 && facing(e) > 0.3)
        c = Palette::Rust;
    return c;
}

Rgba sand(int x, int y, int v, const Edge& e) {
    double n = base(GroundTileset::Sand, x, y, v, 16, 0);
    double ripple = std::sin((x * 0.35 + y * 0.9) + 6 * Noise::periodic(x, y, 16, T, 77));
    n += 0.25 * familyLight(v);
    Rgba c = pick3(n, x, y, Palette::Tan, Palette::Skin, Palette::Skin, 0.45, 2);
    if (ripple > 0.85)
        c = Palette::Tan;
    if (Rng::hashUnit(x, y, 41 + v) < 0.012)
        c = Palette::Ochre;
    if (e.depth < 1.2)
        c = Palette::Ochre;
    else if (e.depth < 2.4)
        c = Palette::Tan;
    return c;
}

Rgba snow(int x, int y, int v, const Edge& e) {
    double n = base(GroundTileset::Snow, x, y, v, 16, 0);
    n += 0.22 * familyLight(v);
    Rgba c = pick3(n, x, y, Palette::Steel, Palette::Ice, Palette::White, 0.22, 0.70);
    if (Rng::hashUnit(x, y, 51 + v) < 0.02)
        c = Palette::White;
    if (e.depth < 1.2)
        c = facing(e) > 0 ? Palette::Steel : Palette::Ash;
    else if (e.depth < 2.5 && facing(e) <= 0)
        c = Palette::Ice;
    return c;
}

Rgba way(int x, int y, int v, const Edge& e) {
    // Cobbles: cells of a jittered grid, each a rounded stone lit top-left.
    int gx = x / 8, gy = y / 8;
    double best = 1e9, second = 1e9;
    int bx = 0, by = 0;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            int cx = gx + i, cy = gy + j;
            int wx = ((cx % 4) + 4) % 4, wy = ((cy % 4) + 4) % 4; // period 32
            double px = cx * 8 + 2 + 4 * Rng::hashUnit(wx, wy, 61);
            double py = cy * 8 + 2 + 4 * Rng::hashUnit(wx, wy, 62);
            double d = std::hypot(x + 0.5 - px, y + 0.5 - py);
            if (d < best) {
                second = best;
                best = d;
                bx = static_cast<int>(px);
                by = static_cast<int>(py);
            } else if (d < second) {
                second = d;
            }
        }
    Rgba c;
    if (second - best < 1.1)
        c = Palette::Soot;
    else {
        double tone = Rng::hashUnit(bx & 31, by & 31, 63 + (v % 3));
        double lx = (x - bx), ly = (y - by);
        if (lx + ly < -3)
            c = Palette::Steel;
        else if (lx + ly > 3)
            c = Palette::Soot;
        else
            c = tone < 0.45 ? Palette::Stone : (tone < 0.9 ? Palette::Ash : Palette::Steel);
    }
    if (e.depth < 1.2)
        c = Palette::Slate;
    else if (e.depth < 2.2)
        c = Palette::Soot;
    return c;
}

Rgba water(GroundTileset::Terrain t, int x, int y, int v, const Edge& e) {
    bool lake = t == GroundTileset::Lake;
    double n = base(t, x, y, v, 16, 0);
    Rgba c = lake ? pick3(n, x, y, Palette::Indigo, Palette::Navy, Palette::Navy, 0.42, 2)
                  : pick3(n, x, y, Palette::Navy, Palette::Navy, Palette::Royal, 0.0, 0.66);
    // Ripples: short bright dashes.
    double r = std::sin(y * 0.8 + 5 * Noise::periodic(x, y, 8, T, 91 + (lake ? 1 : 0)));
    if (r > 0.96 && ((x + y) % 3 == 0) && Rng::hashUnit(x / 4, y, 95 + v) < 0.6)
        c = lake ? Palette::Royal : Palette::Sky;
    if (!lake && Rng::hashUnit(x, y, 93 + v) < 0.01)
        c = Palette::Cyan;
    if (e.depth < 1.1)
        c = Palette::Ice;
    else if (e.depth < 2.2)
        c = Palette::Cyan;
    else if (e.depth < 4.0)
        c = facing(e) > 0.2 ? Palette::Navy : (lake ? Palette::Royal : Palette::Sky);
    return c;
}

Rgba lava(int x, int y, int v, const Edge& e) {
    double n = base(GroundTileset::Lava, x, y, v, 8, 0);
    Rgba c = pick3(n, x, y, Palette::Blood, Palette::Orange, Palette::Yellow, 0.35, 0.72);
    double crust = Noise::periodicFractal(x, y, 8, T, 2, 111 + 0);
    if (crust > 0.68)
        c = Palette::Rust;
    if (crust > 0.76)
        c = Palette::Plum;
    (void)v;
    if (e.depth < 1.3)
        c = Palette::Night;
    else if (e.depth < 2.6)
        c = Palette::Plum;
    else if (e.depth < 3.8)
        c = Palette::Blood;
    return c;
}

Rgba mountain(int x, int y, int v, const Edge& e) {
    // Rock facets: light a ridged height field from the top-left.
    auto height = [&](double px, double py) {
        double a = Noise::periodicFractal(px, py, 16, T, 3, 131);
        double b = std::fabs(a - 0.5) * 2;
        double w = (Noise::value(px, py, 8, 1300 + 17 * v) - 0.5) * window(static_cast<int>(px), static_cast<int>(py));
        return 1 - b + 0.4 * w;
    };
    double hx = height(x + 1, y) - height(x - 1, y), hy = height(x, y + 1) - height(x, y - 1);
    double light = -(hx + hy) + 0.09 * familyLight(v);
    Rgba c = light > 0.05 ? Palette::Ash : (light < -0.05 ? Palette::Soot : Palette::Stone);
    if (light > 0.16)
        c = Palette::Steel;
    if (light < -0.16)
        c = Palette::Slate;
    if (e.depth < 1.2)
        c = Palette::Night;
    else if (facing(e) < -0.2 && e.depth < 5.5)
        c = e.depth < 3 ? Palette::Slate : Palette::Soot; // cliff face to the bottom-right
    else if (facing(e) > 0.2 && e.depth < 2.3)
        c = Palette::Steel;
    return c;
}

Rgba paint(GroundTileset::Terrain t, int x, int y, int variant, const Edge& e) {
    switch (t) {
    case GroundTileset::Withered: return withered(x, y, variant, e);
    case GroundTileset::Earth: return earth(x, y, variant, e);
    case GroundTileset::Sand: return sand(x, y, variant, e);
    case GroundTileset::Snow: return snow(x, y, variant, e);
    case GroundTileset::Way: return way(x, y, variant, e);
    case GroundTileset::River:
    case GroundTileset::Lake: return water(t, x, y, variant, e);
    case GroundTileset::Lava: return lava(x, y, variant, e);
    case GroundTileset::Moutain: return mountain(x, y, variant, e);
    default: return Palette::Black;
    }
}
} // namespace

const char* GroundTileset::typeName(Terrain t) {
    static const char* names[] = {"Grass", "Earth", "Sand", "Snow", "Way", "River", "Lake", "Lava", "Moutain"};
    return names[t];
}

const char* GroundTileset::stem(Terrain t) {
    static const char* names[] = {"Grass_Withered", "Earth", "Sand", "Snow", "Way", "River", "Lake", "Lava", "Mountain"};
    return names[t];
}

int GroundTileset::reliefVariant(double light, int hash) {
    if (light > 0.25)
        return 2 + hash % 3;
    if (light < -0.25)
        return 8 + hash % 2;
    return 5 + hash % 3;
}

bool GroundTileset::inside(Terrain t, int mask, int x, int y) {
    if (mask == 15)
        return true;
    if (mask == 0)
        return false;
    return field(t, mask, x + 0.5, y + 0.5) > 0.5;
}

void GroundTileset::cell(int mask, int variant, int& column, int& row) {
    if (mask != 15) {
        column = mask % Columns;
        row = mask / Columns;
        return;
    }
    variant = ((variant % PlainVariants) + PlainVariants) % PlainVariants;
    if (variant == 0) {
        column = 3;
        row = 3;
    } else if (variant == 1) {
        column = 0;
        row = 0;
    } else {
        column = (variant - 2) % Columns;
        row = 4 + (variant - 2) / Columns;
    }
}

void GroundTileset::box(Terrain t, int mask, int& bx, int& by, int& bw, int& bh) {
    int x0 = T, y0 = T, x1 = -1, y1 = -1;
    for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x)
            if (inside(t, mask, x, y)) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
    if (x1 < 0) {
        bx = by = bw = bh = 0;
        return;
    }
    bx = x0;
    by = y0;
    bw = x1 - x0 + 1;
    bh = y1 - y0 + 1;
}

Image GroundTileset::tileset(Terrain t) {
    Image img(Columns * T, Rows * T);
    for (int row = 0; row < Rows; ++row)
        for (int col = 0; col < Columns; ++col) {
            int mask = row < 4 ? row * Columns + col : 15;
            int variant = 0;
            if (mask == 0) {
                mask = 15;
                variant = 1;
            } else if (row >= 4) {
                variant = 2 + (row - 4) * Columns + col;
            }
            for (int y = 0; y < T; ++y)
                for (int x = 0; x < T; ++x) {
                    if (!inside(t, mask, x, y))
                        continue;
                    Edge e = mask == 15 ? Edge{99, 0, 0} : edgeAt(t, mask, x, y);
                    img.set(col * T + x, row * T + y, paint(t, x, y, variant, e));
                }
        }
    return img;
}

Image GroundTileset::defaultGrass() {
    const int S = GrassSize;
    Image img(S, S);
    for (int y = 0; y < S; ++y)
        for (int x = 0; x < S; ++x) {
            double n = Noise::periodicFractal(x, y, 64, S, 4, 501);
            double v = n + (Noise::bayer(x, y) - 0.5) * 0.16;
            Rgba c = v < 0.64 ? Palette::Moss : Palette::Leaf;
            if (v < 0.30 && Rng::hashUnit(x, y, 504) < 0.35)
                c = Palette::Teal;
            img.set(x, y, c);
        }
    // Blades: a light tip over a dark root.
    Rng rng(503);
    for (int i = 0; i < 1200; ++i) {
        int x = rng.range(0, S - 1), y = rng.range(0, S - 1);
        bool light = img.get(x, y) == Palette::Leaf || rng.chance(0.3);
        img.set(x, y, light ? Palette::Lime : Palette::Leaf);
        img.set(x, (y + 1) % S, light ? Palette::Leaf : Palette::Teal);
    }
    // A few flowers.
    const Rgba petals[] = {Palette::Yellow, Palette::White, Palette::Pink, Palette::Ice};
    for (int i = 0; i < 24; ++i) {
        int x = rng.range(1, S - 2), y = rng.range(1, S - 2);
        Rgba p = petals[rng.range(0, 3)];
        img.set(x - 1, y, p);
        img.set(x + 1, y, p);
        img.set(x, y - 1, p);
        img.set(x, y + 1, Palette::Moss);
        img.set(x, y, Palette::Orange);
    }
    return img;
}
