#pragma once

#include <cstdint>

// Small deterministic generator (SplitMix64) and integer hashes: the same
// seed gives the same art on every machine, unlike the std distributions.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : s_(seed) {}
    std::uint64_t next();
    // Uniform in [lo, hi] inclusive.
    int range(int lo, int hi);
    // Uniform in [0, 1).
    double unit();
    bool chance(double p) { return unit() < p; }

    static std::uint32_t hash(std::uint32_t a);
    static std::uint32_t hash(int x, int y, std::uint32_t seed);
    // Hash of a cell to [0, 1).
    static double hashUnit(int x, int y, std::uint32_t seed);

private:
    std::uint64_t s_;
};
