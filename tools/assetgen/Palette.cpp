#include "Palette.hpp"

#include <array>

namespace {
const std::array<Rgba, Palette::Size> kColours = {
    Palette::Black, Palette::Night, Palette::Plum,   Palette::Rust,  Palette::Leather,
    Palette::Orange, Palette::Tan,  Palette::Skin,   Palette::Yellow, Palette::Lime,
    Palette::Leaf,  Palette::Teal,  Palette::Moss,   Palette::Bark,  Palette::Slate,
    Palette::Indigo, Palette::Navy, Palette::Royal,  Palette::Sky,   Palette::Cyan,
    Palette::Ice,   Palette::White, Palette::Steel,  Palette::Ash,   Palette::Stone,
    Palette::Soot,  Palette::Violet, Palette::Blood, Palette::Rose,  Palette::Pink,
    Palette::Olive, Palette::Ochre};
}

const Rgba& Palette::at(int index) { return kColours[static_cast<std::size_t>(index) % Size]; }

Rgba Palette::snap(const Rgba& c) {
    // Weighted distance: the eye is most sensitive to green.
    int best = 0;
    long bestD = -1;
    for (int i = 0; i < Size; ++i) {
        const Rgba& p = kColours[i];
        long dr = long(c.r) - p.r, dg = long(c.g) - p.g, db = long(c.b) - p.b;
        long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestD < 0 || d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return kColours[best].withAlpha(c.a);
}

Rgba Palette::mix(const Rgba& a, const Rgba& b, double t) {
    auto lerp = [t](int x, int y) { return static_cast<std::uint8_t>(x + (y - x) * t + 0.5); };
    return snap(Rgba(lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b), 255));
}
