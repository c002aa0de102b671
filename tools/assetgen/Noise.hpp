#pragma once

#include <cstdint>

// Smooth value noise. The periodic forms wrap every `period` pixels, so a
// tile textured with them joins its neighbours without a seam.
class Noise {
public:
    // Value noise with lattice spacing `cell`, in [0, 1).
    static double value(double x, double y, double cell, std::uint32_t seed);
    static double periodic(double x, double y, double cell, int period, std::uint32_t seed);
    // A few octaves, each half the cell and half the weight, in [0, 1).
    static double fractal(double x, double y, double cell, int octaves, std::uint32_t seed);
    static double periodicFractal(double x, double y, double cell, int period, int octaves,
                                  std::uint32_t seed);
    // 4x4 Bayer threshold in [0, 1).
    static double bayer(int x, int y);
};
