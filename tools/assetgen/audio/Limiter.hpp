#pragma once

#include "Signal.hpp"

#include <vector>

// Look-ahead peak limiter: the gain curve is a running minimum of what each
// sample needs, smoothed within the look-ahead, so no sample passes the
// ceiling and the gain never jumps (no clicks, no clipping).
class Limiter {
public:
    // Channels are linked (one gain for all). Returns the deepest gain
    // reduction applied, in dB (0 when nothing was over).
    static double apply(std::vector<Signal*> channels, double ceiling,
                        double lookaheadSeconds = 0.0015, double releaseSeconds = 0.060);
};
