#include "DrumKit.hpp"

#include "Envelope.hpp"
#include "Svf.hpp"
#include "Synth.hpp"

#include <cmath>

Signal DrumKit::kick() {
    Random rng(0x4B1C);
    const double len = 0.5;
    Signal out = Synth::sine(len, [](double t) { return 48.0 + 95.0 * std::exp(-t / 0.03); },
                             [](double t) { return Envelope::attackDecay(t, 0.001, 0.22); });
    out.mix(Synth::burst(rng, 0.01, Svf::Mode::HighPass, 1500.0, 0.7, 0.0002, 0.0015), 0.0, 0.3);
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = static_cast<float>(std::tanh(1.6 * out[i]) / std::tanh(1.6));
    return out;
}

Signal DrumKit::snare(Random& rng) {
    const double len = 0.35;
    Signal out(len);
    out.mix(Synth::sine(len, [](double) { return 190.0; }, [](double t) { return Envelope::attackDecay(t, 0.001, 0.06); }),
            0.0, 0.45);
    out.mix(Synth::sine(len, [](double) { return 340.0; }, [](double t) { return Envelope::attackDecay(t, 0.001, 0.04); }),
            0.0, 0.3);
    Signal wires = Synth::noise(rng, len);
    Signal bright = Synth::filter(wires, Svf::Mode::HighPass, [](double) { return 1200.0; }, 0.7);
    Signal body = Synth::filter(wires, Svf::Mode::BandPass, [](double) { return 3000.0; }, 0.6);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / Signal::kRate;
        out[i] += static_cast<float>((0.6 * bright[i] + 0.5 * body[i]) * Envelope::attackDecay(t, 0.001, 0.11));
    }
    return out;
}

Signal DrumKit::metal(Random& rng, double seconds, double highPass, double tau) {
    static const double ratios[6] = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
    Signal raw(seconds);
    double phases[6];
    for (double& p : phases) p = rng.unit();
    for (std::size_t i = 0; i < raw.size(); ++i) {
        double v = 0.0;
        for (int k = 0; k < 6; ++k) {
            phases[k] += ratios[k] * 1.6 / Signal::kRate;
            phases[k] -= std::floor(phases[k]);
            v += phases[k] < 0.5 ? 1.0 : -1.0;
        }
        raw[i] = static_cast<float>(v / 6.0 + 0.5 * rng.bipolar());
    }
    Signal out = Synth::filter(raw, Svf::Mode::HighPass, [=](double) { return highPass; }, 0.7);
    Signal sheen = Synth::filter(raw, Svf::Mode::BandPass, [](double) { return 10000.0; }, 0.8);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / Signal::kRate;
        out[i] = static_cast<float>((out[i] + 0.6 * sheen[i]) * Envelope::attackDecay(t, 0.0008, tau));
    }
    return out;
}

Signal DrumKit::hat(Random& rng, bool open, double seconds) {
    Signal out = metal(rng, seconds, 7500.0, open ? 0.3 : 0.03);
    // A choked open hat stops fast but not instantly.
    if (open) out.fade(0.0, 0.008);
    return out;
}

Signal DrumKit::crash(Random& rng) {
    Signal out = metal(rng, 2.5, 4500.0, 0.9);
    out.fade(0.0, 0.3);
    return out;
}
