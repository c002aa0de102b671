#pragma once

#include <cstdint>

// SplitMix64: the same seed gives the same sound on every machine, which the
// std distributions do not promise.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // Uniform in [0, 1).
    double unit();
    // Uniform in [-1, 1).
    double bipolar() { return unit() * 2.0 - 1.0; }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    // Uniform in [lo, hi] inclusive.
    int integer(int lo, int hi);

private:
    std::uint64_t state_;
};
