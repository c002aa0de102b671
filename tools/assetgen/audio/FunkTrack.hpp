#pragma once

#include "StereoBus.hpp"

// Plays the score on the synthesised band, mixes it and makes the loop
// seamless: tails past the end are folded onto the start.
class FunkTrack {
public:
    static constexpr double kLevelDb = -16.0;    // active RMS of the mix
    static constexpr double kCeilingDb = -1.5;   // headroom for the MP3 coder

    static std::size_t loopSamples();
    static StereoBus render();
};
