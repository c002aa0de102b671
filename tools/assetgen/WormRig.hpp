#pragma once

#include "Image.hpp"

// The giant worm: a chain of ringed segments that crawls in a wave along
// its facing, rears up to bite, and flattens out when it dies.
class WormRig {
public:
    struct Pose {
        double phase = 0;  // crawl wave, radians
        double crawl = 1;  // wave amplitude, 0 still .. 1 crawling
        double rear = 0;   // head raised, 0 .. 1
        double lunge = 0;  // head pushed forward, pixels
        double mouth = 0;  // 0 shut .. 1 wide open
        double flatten = 0; // dying: 0 .. 1
        double flash = 0;
        double shiftF = 0;
    };
    static Image frame(const Pose& pose, double facing);
    static constexpr int Size = 64;
};
