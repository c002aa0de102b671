#pragma once

#include "Random.hpp"
#include "Signal.hpp"

// Synthesised drum one-shots at full velocity; the track scales them.
class DrumKit {
public:
    static Signal kick();
    static Signal snare(Random& rng);
    // A hi-hat; an open one rings for `seconds` then is choked.
    static Signal hat(Random& rng, bool open, double seconds);
    static Signal crash(Random& rng);

private:
    // Six detuned square waves through high filters: the metal of cymbals.
    static Signal metal(Random& rng, double seconds, double highPass, double tau);
};
