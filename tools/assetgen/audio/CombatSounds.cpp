#include "CombatSounds.hpp"

#include "Envelope.hpp"
#include "Random.hpp"
#include "Synth.hpp"

#include <cmath>

namespace {

using Mode = Svf::Mode;

// Air pushed aside by something swung: band noise whose centre rises and
// falls with the speed, plus a thin whistle an octave above.
Signal swing(Random& rng, double seconds, double top, double low, double peakAt, double whistle) {
    auto centre = [=](double t) {
        return Envelope::logPoints(t, {{0.0, low}, {peakAt, top}, {seconds, low * 1.1}});
    };
    auto amp = [=](double t) { return Envelope::bell(t, 0.0, peakAt, seconds); };
    Signal out = Synth::filteredNoise(rng, seconds, Mode::BandPass, centre, 1.6, amp);
    out.mix(Synth::filteredNoise(rng, seconds, Mode::BandPass, [=](double t) { return centre(t) * 2.2; }, 8.0, amp),
            0.0, whistle);
    return out;
}

}  // namespace

Signal CombatSounds::drawSword() {
    Random rng(0xD5A11);
    const double len = 0.95;
    Signal out(len);
    // The blade sliding out of the scabbard's throat: noise ringing the
    // blade's inharmonic modes, pitch creeping up as less steel is held.
    const double slide = 0.44;
    Signal grit = Synth::noise(rng, slide);
    Signal scrape(slide);
    for (double f : {2350.0, 3710.0, 5230.0, 6890.0, 8400.0}) {
        Signal band = Synth::filter(grit, Mode::BandPass,
                                    [=](double t) { return f * Envelope::points(t, {{0.0, 1.0}, {slide, 1.07}}); }, 25.0);
        scrape.mix(band, 0.0, 1.0);
    }
    Signal f = Synth::flutter(rng, slide, 30.0);
    for (std::size_t i = 0; i < scrape.size(); ++i) {
        const double t = static_cast<double>(i) / Signal::kRate;
        scrape[i] *= static_cast<float>(
            Envelope::points(t, {{0.0, 0.0}, {0.06, 0.7}, {0.3, 1.0}, {0.4, 0.7}, {slide, 0.0}}) * (0.6 + 0.4 * f[i]));
    }
    out.mix(scrape, 0.0, 2.0);
    out.mix(Synth::filteredNoise(rng, slide, Mode::HighPass, [](double) { return 4500.0; }, 0.7,
                                 [=](double t) { return 0.15 * Envelope::bell(t, 0.0, 0.3, slide); }),
            0.0);
    // Leather at the start.
    out.mix(Synth::burst(rng, 0.06, Mode::BandPass, 1500.0, 1.0, 0.004, 0.012), 0.0, 0.4);
    // The tip clears: the blade rings free.
    const std::vector<Synth::Mode> blade = {{1870, 0.35, 0.6}, {2950, 0.30, 0.5},  {3320, 0.28, 0.3},
                                            {4410, 0.25, 0.45}, {6120, 0.18, 0.3}, {7710, 0.12, 0.25}};
    out.mix(Synth::strike(rng, blade, len - 0.4, 0.001), 0.4, 0.9);
    return out;
}

Signal CombatSounds::swordSwing() {
    Random rng(0x5A1A6);
    // A heavy blade taken round with the whole arm: quick to speed up,
    // long to slow down, with weight in the low end.
    const double len = 0.42;
    Signal out = swing(rng, len, 1100.0, 220.0, 0.1, 0.25);
    out.mix(Synth::filteredNoise(rng, len, Mode::LowPass, [](double) { return 450.0; }, 0.7,
                                 [=](double t) { return 0.5 * Envelope::bell(t, 0.0, 0.1, len); }),
            0.0);
    return out;
}

Signal CombatSounds::swordMiss() {
    Random rng(0x5A155);
    // The follow-through meeting nothing: quicker and thinner than the
    // swing, the flat of the blade singing a falling whistle.
    const double len = 0.26;
    Signal out = swing(rng, len, 2600.0, 700.0, 0.06, 0.35);
    out.mix(Synth::sine(len, [](double t) { return Envelope::logPoints(t, {{0.0, 1900.0}, {0.26, 1150.0}}); },
                        [=](double t) { return Envelope::bell(t, 0.0, 0.07, len); }),
            0.0, 0.12);
    return out;
}

Signal CombatSounds::swordHitHumanoid() {
    Random rng(0x41701);
    const double len = 0.4;
    Signal out(len);
    // Flesh and leather: mostly low-mid body, a slap on top, a felt thump.
    out.mix(Synth::thud(140.0, 70.0, 0.06, len), 0.0, 0.55);
    out.mix(Synth::filteredNoise(rng, len, Mode::LowPass,
                                 [](double t) { return Envelope::glide(t, 1400.0, 350.0, 0.03); }, 0.9,
                                 [](double t) { return Envelope::attackDecay(t, 0.002, 0.05); }),
            0.0, 1.6);
    out.mix(Synth::burst(rng, 0.05, Mode::BandPass, 2500.0, 0.8, 0.0005, 0.008), 0.0, 1.0);
    out.mix(Synth::filteredNoise(rng, len, Mode::BandPass,
                                 [](double t) { return Envelope::glide(t, 1200.0, 500.0, 0.04); }, 1.5,
                                 [](double t) { return Envelope::attackDecay(t, 0.005, 0.06); }),
            0.0, 0.8);
    out.mix(Synth::strike(rng, {{3100, 0.05, 0.15}, {4700, 0.035, 0.1}}, len, 0.001), 0.0, 0.5);
    return out;
}

Signal CombatSounds::swordHitCrawler() {
    Random rng(0xC7A41);
    const double len = 0.45;
    Signal out(len);
    out.mix(Synth::thud(120.0, 60.0, 0.05, len), 0.0, 0.5);
    // Wet flesh: a resonant band sliding about like a mouth, wobbling.
    Signal squelch = Synth::filteredNoise(
        rng, len, Mode::BandPass,
        [](double t) { return Envelope::logPoints(t, {{0.0, 1500.0}, {0.05, 480.0}, {0.12, 950.0}, {0.26, 340.0}}); },
        4.0, [](double t) { return Envelope::attackDecay(t, 0.004, 0.09); });
    Signal w = Synth::flutter(rng, len, 35.0);
    for (std::size_t i = 0; i < squelch.size(); ++i) squelch[i] *= 0.4f + 0.6f * w[i];
    out.mix(squelch, 0.0, 2.2);
    Synth::scatter(out, rng, 5, 0.01, 0.22, [](double t) { return Envelope::decay(t, 0.12); },
                   [](Random& r, double) {
                       return Synth::bubble(r.range(500.0, 1400.0), r.range(0.3, 0.8), r.range(0.008, 0.018),
                                            r.range(0.2, 0.4));
                   });
    out.mix(Synth::burst(rng, 0.04, Mode::HighPass, 3500.0, 0.7, 0.0005, 0.006), 0.0, 0.4);
    return out;
}

Signal CombatSounds::swordHitUndead() {
    Random rng(0xB0E5);
    const double len = 0.5;
    Signal out(len);
    out.mix(Synth::burst(rng, 0.04, Mode::BandPass, 3000.0, 1.0, 0.0003, 0.004), 0.0, 0.8);
    out.mix(Synth::strike(rng, {{720, 0.03, 1.0}, {1330, 0.022, 0.7}, {2260, 0.015, 0.5}, {3400, 0.01, 0.3}}, len,
                          0.001),
            0.0, 1.0);
    // Loose bones knocking against each other after the blow.
    Synth::scatter(out, rng, 12, 0.02, 0.36, [](double t) { return Envelope::decay(t - 0.02, 0.12); },
                   [](Random& r, double) {
                       const double f = r.range(1500.0, 4000.0);
                       const double tau = r.range(0.006, 0.012);
                       const double a = r.range(0.25, 0.6);
                       return Synth::strike(r, {{f, tau, a}, {f * 1.47, tau * 0.7, a * 0.5}}, 0.06, 0.0006);
                   });
    out.mix(Synth::thud(100.0, 60.0, 0.03, len), 0.0, 0.3);
    return out;
}

Signal CombatSounds::bowRelease() {
    Random rng(0xB0F);
    const double len = 0.55;
    Signal out(len);
    // The string snaps back, its pitch falling as it settles.
    Signal string = Synth::pluck(rng, [](double t) { return Envelope::glide(t, 140.0, 104.0, 0.03); }, len, 0.6);
    for (std::size_t i = 0; i < string.size(); ++i) {
        const double t = static_cast<double>(i) / Signal::kRate;
        string[i] = static_cast<float>(std::tanh(1.8 * string[i]) * Envelope::decay(t, 0.16));
    }
    out.mix(string, 0.0, 1.0);
    out.mix(Synth::strike(rng, {{230, 0.04, 0.6}, {520, 0.025, 0.4}}, len, 0.002), 0.0, 0.5);
    out.mix(Synth::filteredNoise(rng, 0.13, Mode::BandPass,
                                 [](double t) { return Envelope::logPoints(t, {{0.0, 1800.0}, {0.13, 3000.0}}); },
                                 1.5, [](double t) { return Envelope::bell(t, 0.005, 0.03, 0.12); }),
            0.0, 0.35);
    return out;
}

Signal CombatSounds::arrowHit() {
    Random rng(0xA770);
    const double len = 0.4;
    Signal out(len);
    out.mix(Synth::strike(rng, {{180, 0.045, 1.0}, {410, 0.028, 0.7}, {930, 0.014, 0.45}, {2100, 0.006, 0.3}}, len,
                          0.003),
            0.0, 1.0);
    out.mix(Synth::burst(rng, len, Mode::LowPass, 1200.0, 0.7, 0.0008, 0.015), 0.0, 0.6);
    // The shaft quivering in the target.
    out.mix(Synth::sine(len, [](double) { return 240.0; },
                        [](double t) {
                            return Envelope::attackDecay(t, 0.004, 0.09) * (0.5 + 0.5 * std::cos(2.0 * M_PI * 28.0 * t));
                        }),
            0.01, 0.15);
    return out;
}

Signal CombatSounds::arrowMiss() {
    Random rng(0xA715);
    // Flies past, thin and fast: the hiss drops in pitch as it goes away,
    // then the arrow ticks into the ground somewhere.
    const double len = 0.32;
    auto centre = [](double t) { return Envelope::logPoints(t, {{0.0, 4500.0}, {0.05, 3000.0}, {0.2, 1400.0}}); };
    auto amp = [](double t) { return Envelope::bell(t, 0.0, 0.05, 0.2); };
    Signal out = Synth::filteredNoise(rng, len, Mode::BandPass, centre, 4.0, amp);
    out.mix(Synth::filteredNoise(rng, len, Mode::BandPass, centre, 14.0, amp), 0.0, 0.4);
    out.mix(Synth::strike(rng, {{1800, 0.01, 0.3}, {3100, 0.006, 0.2}}, 0.08, 0.001), 0.21, 0.5);
    out.mix(Synth::burst(rng, 0.08, Mode::LowPass, 1200.0, 0.7, 0.0005, 0.01), 0.21, 0.25);
    return out;
}

Signal CombatSounds::punchSwing() {
    Random rng(0xF157);
    Signal out = swing(rng, 0.25, 750.0, 200.0, 0.08, 0.1);
    out.mix(Synth::filteredNoise(rng, 0.12, Mode::BandPass, [](double) { return 3000.0; }, 0.8,
                                 [](double t) { return Envelope::bell(t, 0.0, 0.03, 0.1); }),
            0.0, 0.25);
    return out;
}

Signal CombatSounds::punchHit() {
    Random rng(0xF1A7);
    const double len = 0.3;
    Signal out(len);
    out.mix(Synth::thud(160.0, 80.0, 0.05, len), 0.0, 0.5);
    out.mix(Synth::burst(rng, 0.06, Mode::BandPass, 1400.0, 0.9, 0.0005, 0.01), 0.0, 1.5);
    out.mix(Synth::burst(rng, len, Mode::LowPass, 900.0, 0.7, 0.002, 0.035), 0.0, 1.2);
    return out;
}
