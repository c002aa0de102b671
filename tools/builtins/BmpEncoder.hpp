#pragma once

#include "Canvas.hpp"
#include "Mask.hpp"

#include <cstdint>
#include <vector>

// Writes the two BMP flavours SDL_LoadBMP reads without help: 24-bit and
// 1-bit with a two-colour palette, uncompressed, rows bottom-up.
class BmpEncoder {
public:
    static std::vector<std::uint8_t> encode(const Canvas& picture);
    // Palette index 0 is `off`, index 1 is `on`.
    static std::vector<std::uint8_t> encode(const Mask& picture, Rgb off, Rgb on);
};
