#pragma once

#include "Random.hpp"
#include "Signal.hpp"
#include "Synth.hpp"

// A throat: a buzzing source at a pitch, breath noise, and three formant
// filters that make the vowel. Several slightly detuned layers make a cry
// sound thick rather than like a test tone.
class Voice {
public:
    struct Shape {
        double seconds = 1.0;
        Synth::Curve pitch;   // Hz
        Synth::Curve amp;     // 0..1
        Synth::Curve breath;  // 0 voiced .. 1 whispered
        Synth::Curve f1, f2, f3;
        double vibratoRate = 5.0;
        double vibratoDepth = 0.008;  // fraction of the pitch
        double jitter = 0.01;         // slow random pitch wander, fraction
        double roughness = 0.0;       // 0..1, a subharmonic growl
        int layers = 2;
        double detune = 0.012;
    };

    // The result peaks at 0.9.
    static Signal sing(Random& rng, const Shape& shape);
};
