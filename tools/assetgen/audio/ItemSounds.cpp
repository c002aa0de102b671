#include "ItemSounds.hpp"

#include "Envelope.hpp"
#include "Random.hpp"
#include "Synth.hpp"

#include <cmath>

namespace {

using Mode = Svf::Mode;

// A crinkle of cloth or leather: a short burst of coloured noise.
Signal crinkle(Random& r, double amp) {
    const double f = r.range(1500.0, 5000.0);
    const double tau = r.range(0.004, 0.02);
    const double a = amp * r.range(0.2, 1.0);
    return Synth::filteredNoise(r, tau * 5.0, Mode::BandPass, [=](double) { return f; }, 1.2,
                                [=](double t) { return a * Envelope::attackDecay(t, 0.001, tau); });
}

Signal clink(Random& r, double amp) {
    const double f = r.range(2600.0, 3300.0);
    return Synth::strike(r, {{f, 0.05, amp}, {f * 1.52, 0.03, amp * 0.6}}, 0.25, 0.0005);
}

}  // namespace

Signal ItemSounds::drinkPotion() {
    Random rng(0x9071);
    const double len = 1.05;
    Signal out(len);
    // The cork.
    out.mix(Synth::sine(0.08, [](double t) { return Envelope::glide(t, 900.0, 400.0, 0.01); },
                        [](double t) { return Envelope::attackDecay(t, 0.001, 0.015); }),
            0.0, 0.8);
    out.mix(Synth::burst(rng, 0.03, Mode::BandPass, 2000.0, 1.0, 0.0003, 0.004), 0.0, 0.4);
    // Three swallows, each a rising bloop with liquid noise.
    int n = 0;
    for (double at : {0.22, 0.5, 0.78}) {
        const double k = 1.0 + 0.05 * (n++ - 1) + rng.range(-0.02, 0.02);
        out.mix(Synth::burst(rng, 0.03, Mode::LowPass, 1500.0, 0.7, 0.0005, 0.005), at, 0.5);
        Signal glug = Synth::sine(0.25, [=](double t) { return k * Envelope::glide(t, 170.0, 330.0, 0.03); },
                                  [](double t) { return Envelope::attackDecay(t, 0.008, 0.045); });
        Signal over = Synth::sine(0.25, [=](double t) { return 2.0 * k * Envelope::glide(t, 170.0, 330.0, 0.03); },
                                  [](double t) { return Envelope::attackDecay(t, 0.008, 0.03); });
        out.mix(glug, at + 0.01, 0.7);
        out.mix(over, at + 0.01, 0.2);
        out.mix(Synth::filteredNoise(rng, 0.25, Mode::BandPass,
                                     [=](double t) { return k * Envelope::glide(t, 300.0, 700.0, 0.04); }, 3.0,
                                     [](double t) { return Envelope::attackDecay(t, 0.01, 0.05); }),
                at + 0.01, 1.6);
    }
    return out;
}

Signal ItemSounds::openChest() {
    Random rng(0xC4E57);
    const double len = 1.15;
    Signal out(len);
    // The latch.
    out.mix(Synth::strike(rng, {{3200, 0.01, 0.6}, {5100, 0.006, 0.4}}, 0.1, 0.0008), 0.0, 0.7);
    // The hinge: stick-slip, a train of tiny jerks whose rate rises and
    // falls with the lid's speed, ringing the wooden lid.
    const double from = 0.08, to = 0.8;
    Signal jerks(len);
    for (double t = from; t < to;) {
        const double rate = Envelope::points(t, {{from, 35.0}, {0.3, 90.0}, {0.55, 120.0}, {to, 60.0}});
        const double a = Envelope::bell(t, from, 0.35, to) * (0.6 + 0.4 * rng.unit());
        const std::size_t i = Signal::samplesOf(t);
        if (i < jerks.size()) jerks[i] += static_cast<float>(a);
        t += (1.0 / rate) * rng.range(0.85, 1.15);
    }
    out.mix(Synth::ring(jerks, {{520, 0.012, 1.0}, {1130, 0.01, 0.7}, {1780, 0.008, 0.5}, {2650, 0.006, 0.35}}, len),
            0.0, 1.0);
    // The lid falls back against its stop.
    out.mix(Synth::strike(rng, {{140, 0.06, 1.0}, {310, 0.04, 0.6}, {700, 0.02, 0.3}}, len - 0.85, 0.003), 0.85, 0.6);
    return out;
}

Signal ItemSounds::openBag() {
    Random rng(0xBA6);
    const double len = 0.55;
    Signal out(len);
    out.mix(Synth::filteredNoise(rng, len, Mode::BandPass, [](double) { return 2500.0; }, 0.7,
                                 [](double t) { return 0.2 * Envelope::bell(t, 0.0, 0.12, 0.45); }),
            0.0);
    Synth::scatter(out, rng, 40, 0.0, 0.45, [](double t) { return Envelope::bell(t, -0.01, 0.12, 0.46); },
                   [](Random& r, double) { return crinkle(r, 1.0); });
    // Something inside clinks.
    out.mix(clink(rng, 0.2), 0.32, 0.4);
    out.mix(clink(rng, 0.15), 0.4, 0.4);
    return out;
}

Signal ItemSounds::bagFalls() {
    Random rng(0xBA6F);
    const double len = 0.45;
    Signal out(len);
    // Cloth full of things on the ground: dull, no ring.
    out.mix(Synth::thud(110.0, 60.0, 0.06, len), 0.0, 0.6);
    out.mix(Synth::burst(rng, len, Mode::LowPass, 550.0, 0.7, 0.004, 0.05), 0.0, 1.6);
    Synth::scatter(out, rng, 10, 0.03, 0.2, [](double t) { return Envelope::decay(t - 0.03, 0.08); },
                   [](Random& r, double) { return crinkle(r, 0.15); });
    out.mix(clink(rng, 0.15), 0.06, 1.0);
    return out;
}
