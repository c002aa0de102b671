#pragma once

#include "Random.hpp"
#include "Signal.hpp"
#include "Svf.hpp"

#include <functional>
#include <vector>

// The building blocks the effect recipes are written with. Every curve takes
// the time in seconds from the start of the signal being made.
class Synth {
public:
    using Curve = std::function<double(double)>;

    struct Mode {
        double freq;
        double tau;
        double gain;
    };

    static Signal noise(Random& rng, double seconds);
    // Noise through a swept filter, shaped by an amplitude curve.
    static Signal filteredNoise(Random& rng, double seconds, Svf::Mode mode,
                                const Curve& cutoff, double q, const Curve& amp);
    static Signal filter(const Signal& in, Svf::Mode mode, const Curve& cutoff, double q);
    static void shape(Signal& s, const Curve& amp);
    // Sine with a frequency curve (phase integrated, so glides are smooth).
    static Signal sine(double seconds, const Curve& freq, const Curve& amp);
    // Excites a bank of ringing modes with the given signal.
    static Signal ring(const Signal& excitation, const std::vector<Mode>& modes, double seconds);
    // A struck body: a short noise burst of clickSeconds into a bank of modes.
    static Signal strike(Random& rng, const std::vector<Mode>& modes, double seconds,
                         double clickSeconds = 0.002);
    // A bubble in water: a sine whose pitch rises as it shrinks.
    static Signal bubble(double freq, double rise, double tau, double amp = 1.0);
    // A plucked string (Karplus-Strong) whose pitch may bend over time.
    static Signal pluck(Random& rng, const Curve& freq, double seconds, double brightness);
    // A short sine drop: the body of a landing foot, a blow, a fall.
    static Signal thud(double from, double to, double tau, double seconds);
    // Noise through a fixed filter with an attack and decay: slaps, clicks.
    static Signal burst(Random& rng, double seconds, Svf::Mode mode, double cutoff, double q,
                        double attack, double tau);
    // 0..1 random flutter at about rateHz, for rustling, sloshing, scraping.
    static Signal flutter(Random& rng, double seconds, double rateHz);
    // Band-limited sawtooth from a running phase in [0, 1) and its step.
    static double saw(double phase, double step);
    // Adds n grains made by `grain` at times drawn from `density` (0..1)
    // between start and end, by rejection so dense moments get more of them.
    static void scatter(Signal& out, Random& rng, int n, double start, double end,
                        const Curve& density,
                        const std::function<Signal(Random&, double)>& grain);
};
