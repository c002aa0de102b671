#include "Rng.hpp"

std::uint64_t Rng::next() {
    std::uint64_t z = (s_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

int Rng::range(int lo, int hi) {
    if (hi <= lo)
        return lo;
    return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1));
}

double Rng::unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }

std::uint32_t Rng::hash(std::uint32_t a) {
    a ^= a >> 16;
    a *= 0x7feb352dU;
    a ^= a >> 15;
    a *= 0x846ca68bU;
    a ^= a >> 16;
    return a;
}

std::uint32_t Rng::hash(int x, int y, std::uint32_t seed) {
    return hash(static_cast<std::uint32_t>(x) * 0x27d4eb2dU ^ hash(static_cast<std::uint32_t>(y) + seed * 0x165667b1U));
}

double Rng::hashUnit(int x, int y, std::uint32_t seed) {
    return (hash(x, y, seed) & 0xffffff) / 16777216.0;
}
