#include "Noise.hpp"

#include "Rng.hpp"

#include <cmath>

namespace {
double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

double lattice(double x, double y, double cell, int wrapX, std::uint32_t seed) {
    double fx = x / cell, fy = y / cell;
    int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    double tx = smooth(fx - x0), ty = smooth(fy - y0);
    auto at = [&](int i, int j) {
        if (wrapX > 0) {
            i = ((i % wrapX) + wrapX) % wrapX;
            j = ((j % wrapX) + wrapX) % wrapX;
        }
        return Rng::hashUnit(i, j, seed);
    };
    double a = at(x0, y0), b = at(x0 + 1, y0), c = at(x0, y0 + 1), d = at(x0 + 1, y0 + 1);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}
} // namespace

double Noise::value(double x, double y, double cell, std::uint32_t seed) {
    return lattice(x, y, cell, 0, seed);
}

double Noise::periodic(double x, double y, double cell, int period, std::uint32_t seed) {
    int cells = static_cast<int>(std::lround(period / cell));
    if (cells < 1)
        cells = 1;
    return lattice(x, y, static_cast<double>(period) / cells, cells, seed);
}

double Noise::fractal(double x, double y, double cell, int octaves, std::uint32_t seed) {
    double sum = 0, weight = 0, w = 1;
    for (int o = 0; o < octaves; ++o) {
        sum += value(x, y, cell, seed + 101 * o) * w;
        weight += w;
        w *= 0.5;
        cell *= 0.5;
    }
    return sum / weight;
}

double Noise::periodicFractal(double x, double y, double cell, int period, int octaves,
                              std::uint32_t seed) {
    double sum = 0, weight = 0, w = 1;
    for (int o = 0; o < octaves && cell >= 1.0; ++o) {
        sum += periodic(x, y, cell, period, seed + 101 * o) * w;
        weight += w;
        w *= 0.5;
        cell *= 0.5;
    }
    return sum / weight;
}

double Noise::bayer(int x, int y) {
    static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (m[y & 3][x & 3] + 0.5) / 16.0;
}
