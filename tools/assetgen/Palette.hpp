#pragma once

#include <cstdint>

// One RGBA pixel. Alpha 0 means "nothing here".
struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    constexpr Rgba() = default;
    constexpr Rgba(std::uint8_t r_, std::uint8_t g_, std::uint8_t b_, std::uint8_t a_ = 255)
        : r(r_), g(g_), b(b_), a(a_) {}
    bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const Rgba& o) const { return !(*this == o); }
    Rgba withAlpha(std::uint8_t alpha) const { return Rgba(r, g, b, alpha); }
};

// The game's palette: DawnBringer's 32 colours, under the names the art uses.
// Every opaque pixel of the game's pictures is snapped to one of these.
class Palette {
public:
    static constexpr Rgba Black{0x00, 0x00, 0x00};
    static constexpr Rgba Night{0x22, 0x20, 0x34};
    static constexpr Rgba Plum{0x45, 0x28, 0x3c};
    static constexpr Rgba Rust{0x66, 0x39, 0x31};
    static constexpr Rgba Leather{0x8f, 0x56, 0x3b};
    static constexpr Rgba Orange{0xdf, 0x71, 0x26};
    static constexpr Rgba Tan{0xd9, 0xa0, 0x66};
    static constexpr Rgba Skin{0xee, 0xc3, 0x9a};
    static constexpr Rgba Yellow{0xfb, 0xf2, 0x36};
    static constexpr Rgba Lime{0x99, 0xe5, 0x50};
    static constexpr Rgba Leaf{0x6a, 0xbe, 0x30};
    static constexpr Rgba Teal{0x37, 0x94, 0x6e};
    static constexpr Rgba Moss{0x4b, 0x69, 0x2f};
    static constexpr Rgba Bark{0x52, 0x4b, 0x24};
    static constexpr Rgba Slate{0x32, 0x3c, 0x39};
    static constexpr Rgba Indigo{0x3f, 0x3f, 0x74};
    static constexpr Rgba Navy{0x30, 0x60, 0x82};
    static constexpr Rgba Royal{0x5b, 0x6e, 0xe1};
    static constexpr Rgba Sky{0x63, 0x9b, 0xff};
    static constexpr Rgba Cyan{0x5f, 0xcd, 0xe4};
    static constexpr Rgba Ice{0xcb, 0xdb, 0xfc};
    static constexpr Rgba White{0xff, 0xff, 0xff};
    static constexpr Rgba Steel{0x9b, 0xad, 0xb7};
    static constexpr Rgba Ash{0x84, 0x7e, 0x87};
    static constexpr Rgba Stone{0x69, 0x6a, 0x6a};
    static constexpr Rgba Soot{0x59, 0x56, 0x52};
    static constexpr Rgba Violet{0x76, 0x42, 0x8a};
    static constexpr Rgba Blood{0xac, 0x32, 0x32};
    static constexpr Rgba Rose{0xd9, 0x57, 0x63};
    static constexpr Rgba Pink{0xd7, 0x7b, 0xba};
    static constexpr Rgba Olive{0x8f, 0x97, 0x4a};
    static constexpr Rgba Ochre{0x8a, 0x6f, 0x30};

    // Transparent pixels carry this colour too, so that a loader that only
    // knows colour keys still cuts them out.
    static constexpr Rgba Key{0xff, 0x00, 0xff, 0x00};

    static constexpr int Size = 32;
    static const Rgba& at(int index);
    // The palette colour nearest to c (alpha kept).
    static Rgba snap(const Rgba& c);
    // Linear mix of two colours, t in 0..1, then snapped.
    static Rgba mix(const Rgba& a, const Rgba& b, double t);
};
