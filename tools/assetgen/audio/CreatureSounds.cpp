#include "CreatureSounds.hpp"

#include "Envelope.hpp"
#include "Random.hpp"
#include "Synth.hpp"
#include "Voice.hpp"

#include <cmath>

namespace {

using Mode = Svf::Mode;
using Points = std::vector<std::pair<double, double>>;

Synth::Curve line(Points p) {
    return [p](double t) { return Envelope::points(t, p); };
}

Synth::Curve pitchLine(Points p) {
    return [p](double t) { return Envelope::logPoints(t, p); };
}

Synth::Curve constant(double v) {
    return [v](double) { return v; };
}

// A body hitting the ground, with a little gear rattling.
Signal collapse(Random& rng, double seconds, double metal) {
    Signal out(seconds);
    out.mix(Synth::thud(75.0, 40.0, 0.09, seconds), 0.0, 1.0);
    out.mix(Synth::burst(rng, seconds, Mode::LowPass, 300.0, 0.7, 0.004, 0.06), 0.0, 0.9);
    if (metal > 0.0) {
        Synth::scatter(out, rng, 6, 0.0, 0.22, [](double t) { return Envelope::decay(t, 0.1); },
                       [=](Random& r, double) {
                           const double f = r.range(2500.0, 6000.0);
                           return Synth::strike(r, {{f, r.range(0.04, 0.1), metal * r.range(0.4, 1.0)},
                                                    {f * 1.53, 0.03, metal * 0.4}},
                                                0.25, 0.0005);
                       });
    }
    return out;
}

// A bone knocking on stone or on other bones.
Signal bone(Random& r, double lo, double hi, double amp) {
    const double f = r.range(lo, hi);
    const double tau = r.range(0.005, 0.02);
    return Synth::strike(r, {{f, tau, amp}, {f * 1.47, tau * 0.7, amp * 0.5}, {f * 2.6, tau * 0.4, amp * 0.25}},
                         tau * 7.0, 0.0006);
}

}  // namespace

Signal CreatureSounds::humanoidDeath() {
    Random rng(0x6A0A7);
    const double len = 1.55;
    Voice::Shape v;
    v.seconds = 1.3;
    v.pitch = pitchLine({{0.0, 165.0}, {0.12, 150.0}, {0.9, 95.0}, {1.3, 80.0}});
    v.amp = line({{0.0, 0.0}, {0.06, 1.0}, {0.35, 0.9}, {0.9, 0.5}, {1.3, 0.0}});
    v.breath = line({{0.0, 0.15}, {0.8, 0.3}, {1.3, 0.7}});
    // "ah" sinking to "oh" and "uh".
    v.f1 = line({{0.0, 750.0}, {0.5, 550.0}, {1.3, 450.0}});
    v.f2 = line({{0.0, 1150.0}, {0.5, 900.0}, {1.3, 1000.0}});
    v.f3 = line({{0.0, 2500.0}, {1.3, 2400.0}});
    v.vibratoRate = 4.5;
    v.vibratoDepth = 0.01;
    v.jitter = 0.02;
    v.roughness = 0.2;
    v.layers = 3;
    v.detune = 0.015;
    Signal out(len);
    out.mix(Voice::sing(rng, v), 0.0);
    out.mix(collapse(rng, len - 1.22, 0.0), 1.22, 0.3);
    return out;
}

Signal CreatureSounds::crawlerDeath() {
    Random rng(0xC7A3D);
    const double len = 1.0;
    Voice::Shape v;
    v.seconds = 0.8;
    v.pitch = pitchLine({{0.0, 600.0}, {0.12, 1250.0}, {0.45, 900.0}, {0.8, 480.0}});
    v.amp = line({{0.0, 0.0}, {0.03, 1.0}, {0.5, 0.8}, {0.8, 0.0}});
    v.breath = constant(0.35);
    v.f1 = line({{0.0, 1100.0}, {0.8, 900.0}});
    v.f2 = line({{0.0, 2600.0}, {0.8, 2300.0}});
    v.f3 = constant(3800.0);
    // A fast chattering wobble makes it insect-like rather than human.
    v.vibratoRate = 28.0;
    v.vibratoDepth = 0.035;
    v.jitter = 0.03;
    v.roughness = 0.5;
    v.layers = 3;
    v.detune = 0.03;
    Signal out(len);
    out.mix(Voice::sing(rng, v), 0.0);
    // It ends in a wet gurgle.
    Signal gurgle = Synth::filteredNoise(
        rng, 0.4, Mode::BandPass,
        [](double t) { return Envelope::logPoints(t, {{0.0, 900.0}, {0.15, 400.0}, {0.4, 300.0}}); }, 4.0,
        [](double t) { return Envelope::bell(t, 0.0, 0.05, 0.38); });
    Signal w = Synth::flutter(rng, 0.4, 25.0);
    for (std::size_t i = 0; i < gurgle.size(); ++i) gurgle[i] *= w[i];
    out.mix(gurgle, 0.58, 1.2);
    Synth::scatter(out, rng, 6, 0.58, 0.92, [](double) { return 1.0; },
                   [](Random& r, double) { return Synth::bubble(r.range(350.0, 900.0), r.range(0.3, 0.8), r.range(0.01, 0.025), 0.25); });
    return out;
}

Signal CreatureSounds::undeadCrumble() {
    Random rng(0xB0E5C);
    const double len = 1.6;
    Signal out(len);
    // The crack that starts it.
    out.mix(Synth::burst(rng, 0.05, Mode::BandPass, 2800.0, 1.0, 0.0003, 0.005), 0.0, 0.8);
    out.mix(Synth::strike(rng, {{650, 0.035, 1.0}, {1400, 0.022, 0.6}, {2500, 0.012, 0.4}}, 0.3, 0.001), 0.0, 0.9);
    // The skeleton comes apart: a rain of small bones, thinning out.
    Synth::scatter(out, rng, 90, 0.02, 1.4, [](double t) { return 0.1 + Envelope::decay(t, 0.35); },
                   [](Random& r, double) { return bone(r, 700.0, 3500.0, r.range(0.15, 0.7)); });
    // Bigger pieces (ribcage, pelvis) landing.
    for (double at : {0.16, 0.42, 0.75}) {
        const double f = rng.range(350.0, 650.0);
        out.mix(Synth::strike(rng, {{f, 0.04, 1.0}, {f * 2.3, 0.02, 0.5}, {f * 4.1, 0.01, 0.3}}, 0.3, 0.002),
                at + rng.range(-0.03, 0.03), rng.range(0.6, 0.8));
    }
    // The skull bouncing to rest: each bounce shorter and softer.
    double at = 1.05, gap = 0.13, amp = 0.8;
    for (int i = 0; i < 5; ++i) {
        out.mix(Synth::strike(rng, {{520, 0.03, 1.0}, {1270, 0.018, 0.6}, {2350, 0.01, 0.3}}, 0.2, 0.0015), at, amp);
        at += gap;
        gap *= 0.62;
        amp *= 0.6;
    }
    out.mix(Synth::filteredNoise(rng, len, Mode::LowPass, [](double) { return 600.0; }, 0.7,
                                 [](double t) { return 0.25 * Envelope::bell(t, 0.0, 0.3, 1.5); }),
            0.0);
    // What animated it leaves with a hollow sigh.
    Voice::Shape v;
    v.seconds = 0.8;
    v.pitch = pitchLine({{0.0, 95.0}, {0.8, 75.0}});
    v.amp = [](double t) { return Envelope::bell(t, 0.0, 0.2, 0.8); };
    v.breath = constant(0.7);
    v.f1 = constant(320.0);
    v.f2 = constant(800.0);
    v.f3 = constant(2300.0);
    out.mix(Voice::sing(rng, v), 0.0, 0.25);
    return out;
}

Signal CreatureSounds::playerDeathCry() {
    Random rng(0xDEAD1);
    const double len = 1.7;
    Voice::Shape v;
    v.seconds = 1.2;
    v.pitch = pitchLine({{0.0, 200.0}, {0.1, 235.0}, {0.35, 220.0}, {1.0, 120.0}, {1.2, 100.0}});
    v.amp = line({{0.0, 0.0}, {0.04, 1.0}, {0.6, 0.85}, {1.05, 0.3}, {1.2, 0.0}});
    v.breath = line({{0.0, 0.1}, {0.9, 0.3}, {1.2, 0.8}});
    v.f1 = line({{0.0, 800.0}, {0.7, 700.0}, {1.2, 500.0}});
    v.f2 = line({{0.0, 1250.0}, {1.2, 950.0}});
    v.f3 = constant(2600.0);
    v.vibratoRate = 6.0;
    v.vibratoDepth = 0.012;
    v.jitter = 0.015;
    v.roughness = 0.35;
    v.layers = 3;
    v.detune = 0.01;
    Signal out(len);
    out.mix(Voice::sing(rng, v), 0.0);
    out.mix(collapse(rng, len - 1.15, 0.25), 1.15, 0.35);
    return out;
}

Signal CreatureSounds::playerDeathGasp() {
    Random rng(0xDEAD2);
    const double len = 1.9;
    Signal out(len);
    // A sharp breath in...
    Voice::Shape gasp;
    gasp.seconds = 0.24;
    gasp.pitch = constant(250.0);
    gasp.amp = [](double t) { return Envelope::bell(t, 0.0, 0.08, 0.22); };
    gasp.breath = constant(0.95);
    gasp.f1 = constant(850.0);
    gasp.f2 = constant(1300.0);
    gasp.f3 = constant(2700.0);
    out.mix(Voice::sing(rng, gasp), 0.0, 0.6);
    // ...a short "uh!"...
    Voice::Shape hit;
    hit.seconds = 0.26;
    hit.pitch = pitchLine({{0.0, 190.0}, {0.26, 165.0}});
    hit.amp = line({{0.0, 0.0}, {0.02, 1.0}, {0.15, 0.7}, {0.26, 0.0}});
    hit.breath = constant(0.15);
    hit.f1 = constant(600.0);
    hit.f2 = constant(1100.0);
    hit.f3 = constant(2500.0);
    hit.roughness = 0.2;
    hit.layers = 3;
    out.mix(Voice::sing(rng, hit), 0.22);
    // ...and a long failing breath out.
    Voice::Shape sigh;
    sigh.seconds = 1.2;
    sigh.pitch = pitchLine({{0.0, 150.0}, {1.2, 70.0}});
    sigh.amp = [](double t) { return Envelope::bell(t, 0.0, 0.15, 1.2); };
    sigh.breath = line({{0.0, 0.4}, {1.2, 0.9}});
    sigh.f1 = line({{0.0, 500.0}, {1.2, 400.0}});
    sigh.f2 = line({{0.0, 850.0}, {1.2, 750.0}});
    sigh.f3 = constant(2400.0);
    sigh.layers = 2;
    out.mix(Voice::sing(rng, sigh), 0.5, 0.7);
    // The sword drops from his hand and bounces.
    const std::vector<Synth::Mode> blade = {{1650, 0.12, 0.6}, {2780, 0.1, 0.5}, {4150, 0.07, 0.4}, {5900, 0.05, 0.3}};
    out.mix(Synth::strike(rng, blade, 0.5, 0.001), 0.55, 0.25);
    out.mix(Synth::strike(rng, blade, 0.4, 0.001), 0.68, 0.14);
    out.mix(collapse(rng, 0.4, 0.0), 0.6, 0.25);
    return out;
}
