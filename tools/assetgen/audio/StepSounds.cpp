#include "StepSounds.hpp"

#include "Envelope.hpp"
#include "Random.hpp"
#include "Synth.hpp"

#include <cmath>

namespace {

using Mode = Svf::Mode;

// How a run differs from a walk: time squeezed, pitch and attack up.
struct Pace {
    double time;   // multiplies every duration
    double pitch;  // multiplies struck-body frequencies
    double snap;   // extra weight on the transient
};

std::vector<Synth::Mode> scaled(std::vector<Synth::Mode> modes, double pitch) {
    for (auto& m : modes) m.freq *= pitch;
    return modes;
}

Signal grass(Random& rng, const Pace& p) {
    const double len = 0.24 * p.time;
    Signal out(len);
    for (int part = 0; part < 2; ++part) {
        const double at = part == 0 ? 0.0 : 0.055 * p.time;
        const double seconds = len - at;
        Signal f = Synth::flutter(rng, seconds, 70.0);
        Signal swish = Synth::filteredNoise(
            rng, seconds, Mode::BandPass,
            [=](double t) { return Envelope::logPoints(t, {{0.0, 2000.0}, {0.05 * p.time, 4200.0}, {seconds, 2800.0}}); },
            0.9, [=](double t) { return Envelope::attackDecay(t, 0.016 * p.time, 0.05 * p.time); });
        for (std::size_t i = 0; i < swish.size(); ++i) swish[i] *= 0.45f + 0.55f * f[i];
        Signal blades = Synth::filteredNoise(
            rng, seconds, Mode::HighPass, [](double) { return 6500.0; }, 0.7,
            [=](double t) { return Envelope::attackDecay(t, 0.01 * p.time, 0.035 * p.time); });
        out.mix(swish, at, part == 0 ? 1.0 : 0.55);
        out.mix(blades, at, part == 0 ? 0.35 : 0.2);
    }
    out.mix(Synth::thud(110.0, 65.0, 0.03, len), 0.0, 0.2 + 0.1 * p.snap);
    return out;
}

Signal crunchGrain(Random& rng, double lo, double hi, double len, double amp) {
    const double f = rng.range(lo, hi);
    const double tau = len * rng.range(0.25, 0.5);
    const double a = amp * rng.range(0.3, 1.0);
    return Synth::filteredNoise(rng, len, Mode::BandPass, [=](double) { return f; }, 1.8,
                                [=](double t) { return a * Envelope::decay(t, tau); });
}

Signal snow(Random& rng, const Pace& p) {
    const double len = 0.22 * p.time;
    Signal out(len);
    // Packed crystals giving way one after another: dense, crisp grains.
    Synth::scatter(out, rng, static_cast<int>(90 * p.time), 0.0, len * 0.85,
                   [=](double t) { return Envelope::bell(t, -0.002, 0.03 * p.time, 0.19 * p.time); },
                   [](Random& r, double) { return crunchGrain(r, 1400.0, 5200.0, r.range(0.0015, 0.004), 1.0); });
    Signal squeeze = Synth::filteredNoise(
        rng, len, Mode::BandPass, [](double) { return 750.0; }, 1.2,
        [=](double t) { return 0.25 * Envelope::bell(t, 0.0, 0.03 * p.time, 0.16 * p.time); });
    out.mix(squeeze, 0.0);
    out.mix(Synth::thud(100.0, 60.0, 0.03, len), 0.0, 0.15);
    return out;
}

Signal sand(Random& rng, const Pace& p) {
    const double len = 0.22 * p.time;
    Signal out(len);
    Signal hiss = Synth::filteredNoise(
        rng, len, Mode::HighPass, [](double) { return 3500.0; }, 0.7,
        [=](double t) { return 0.35 * Envelope::attackDecay(t, 0.02 * p.time, 0.055 * p.time); });
    out.mix(hiss, 0.0);
    // Fine, sharp grit scattered over the hiss.
    Synth::scatter(out, rng, static_cast<int>(45 * p.time), 0.0, len * 0.8,
                   [=](double t) { return Envelope::bell(t, -0.002, 0.035 * p.time, 0.17 * p.time); },
                   [](Random& r, double) { return crunchGrain(r, 3000.0, 8000.0, r.range(0.0008, 0.002), 0.7); });
    Signal soft = Synth::filteredNoise(
        rng, len, Mode::LowPass, [](double) { return 400.0; }, 0.7,
        [=](double t) { return 0.8 * Envelope::attackDecay(t, 0.006, 0.035 * p.time); });
    out.mix(soft, 0.0);
    out.mix(Synth::thud(100.0, 60.0, 0.03, len), 0.0, 0.15);
    return out;
}

Signal earth(Random& rng, const Pace& p) {
    const double len = 0.2 * p.time;
    Signal out(len);
    // Packed soil: a dull, muffled thump with little ring or grit.
    out.mix(Synth::thud(115.0, 60.0, 0.04 * p.time, len), 0.0, 0.5);
    Signal body = Synth::filteredNoise(
        rng, len, Mode::LowPass, [](double t) { return Envelope::glide(t, 1300.0, 380.0, 0.02); }, 0.9,
        [=](double t) { return 1.6 * Envelope::attackDecay(t, 0.004, 0.04 * p.time); });
    out.mix(body, 0.0);
    Synth::scatter(out, rng, 8, 0.005, len * 0.6, [](double) { return 1.0; },
                   [](Random& r, double) { return crunchGrain(r, 900.0, 2500.0, 0.004, 0.12); });
    return out;
}

// Hard sole on hard stone: heel clack, then the toe.
Signal stone(Random& rng, const Pace& p, const std::vector<Synth::Mode>& modes, double len) {
    Signal out(len);
    for (int part = 0; part < 2; ++part) {
        const double at = part == 0 ? 0.0 : 0.05 * p.time;
        const double gain = part == 0 ? 1.0 + 0.3 * p.snap : 0.5;
        const double shift = (part == 0 ? 1.0 : 1.12) * p.pitch;
        out.mix(Synth::strike(rng, scaled(modes, shift), len - at, 0.0015), at, gain);
        out.mix(Synth::thud(190.0 * shift, 120.0, 0.015, len - at), at, 0.5 * gain);
    }
    Signal scuff = Synth::filteredNoise(
        rng, len, Mode::BandPass, [](double) { return 2600.0; }, 1.0,
        [=](double t) { return 0.18 * Envelope::bell(t, 0.0, 0.008, 0.06 * p.time); });
    out.mix(scuff, 0.0);
    return out;
}

Signal way(Random& rng, const Pace& p) {
    return stone(rng, p, {{1150, 0.012, 1.0}, {2300, 0.008, 0.6}, {3600, 0.006, 0.45}, {5200, 0.004, 0.3}},
                 0.17 * p.time);
}

Signal mountain(Random& rng, const Pace& p) {
    const double len = 0.22 * p.time;
    Signal out = stone(rng, p, {{780, 0.018, 1.0}, {1650, 0.012, 0.6}, {2900, 0.008, 0.4}, {4400, 0.005, 0.3}},
                       len);
    // Loose pebbles kicked aside.
    Synth::scatter(out, rng, static_cast<int>(9 * p.time + 2), 0.012, len * 0.7,
                   [=](double t) { return Envelope::decay(t, 0.06 * p.time); },
                   [](Random& r, double) {
                       const double f = r.range(2000.0, 5000.0);
                       return Synth::strike(r, {{f, r.range(0.003, 0.006), r.range(0.2, 0.45)},
                                                {f * 1.7, 0.003, 0.15}},
                                            0.03, 0.0008);
                   });
    out.mix(Synth::thud(100.0, 60.0, 0.03, len), 0.0, 0.2);
    return out;
}

Signal bridge(Random& rng, const Pace& p) {
    const double len = 0.26 * p.time;
    Signal out(len);
    // A plank over air: low, booming modes that ring a while.
    const std::vector<Synth::Mode> plank = {
        {160, 0.05, 0.8}, {330, 0.04, 0.8}, {590, 0.028, 0.6}, {1020, 0.015, 0.4}, {1900, 0.008, 0.25}};
    out.mix(Synth::strike(rng, scaled(plank, p.pitch), len, 0.004), 0.0, 1.0 + 0.3 * p.snap);
    out.mix(Synth::burst(rng, len, Mode::LowPass, 1800.0, 0.7, 0.0008, 0.008), 0.0, 0.5);
    const double toe = 0.07 * p.time;
    out.mix(Synth::strike(rng, scaled(plank, p.pitch * 1.06), len - toe, 0.002), toe, 0.5);
    return out;
}

Signal water(Random& rng, const Pace& p, bool lake) {
    const double len = (lake ? 0.28 : 0.26) * p.time;
    Signal out(len);
    const double top = lake ? 2600.0 : 4800.0;
    const double low = lake ? 550.0 : 1000.0;
    Signal f = Synth::flutter(rng, len, 45.0);
    Signal splash = Synth::filteredNoise(
        rng, len, Mode::LowPass,
        [=](double t) { return Envelope::logPoints(t, {{0.0, top}, {0.08 * p.time, low * 1.5}, {len, low}}); },
        0.9, [=](double t) { return Envelope::attackDecay(t, 0.007, 0.065 * p.time); });
    for (std::size_t i = 0; i < splash.size(); ++i) splash[i] *= 0.35f + 0.65f * f[i];
    out.mix(splash, 0.0, 1.6);
    Signal spray = Synth::filteredNoise(
        rng, len, Mode::HighPass, [](double) { return 5000.0; }, 0.7,
        [=](double t) { return (lake ? 0.15 : 0.3) * Envelope::attackDecay(t, 0.003, 0.03 * p.time); });
    out.mix(spray, 0.0);
    if (lake) {
        // Deep water: the foot's plunge makes a low gloop.
        out.mix(Synth::sine(len, [=](double t) { return Envelope::glide(t, 150.0, 270.0, 0.04); },
                            [=](double t) { return Envelope::attackDecay(t, 0.006, 0.05 * p.time); }),
                0.015 * p.time, 0.3);
    }
    const int bubbles = lake ? 3 : 6;
    Synth::scatter(out, rng, bubbles, 0.01 * p.time, len * 0.7, [](double) { return 1.0; },
                   [=](Random& r, double) {
                       const double fr = lake ? r.range(320.0, 750.0) : r.range(650.0, 1500.0);
                       return Synth::bubble(fr, r.range(0.4, 0.9), r.range(0.012, lake ? 0.035 : 0.022), r.range(0.15, 0.35));
                   });
    return out;
}

}  // namespace

std::string StepSounds::name(Terrain terrain) {
    switch (terrain) {
    case Terrain::Bridge: return "Bridge";
    case Terrain::Earth: return "Earth";
    case Terrain::Grass: return "Grass";
    case Terrain::Lake: return "Lake";
    case Terrain::Mountain: return "Mountain";
    case Terrain::River: return "River";
    case Terrain::Sand: return "Sand";
    case Terrain::Snow: return "Snow";
    case Terrain::Way: return "Way+Lava";
    }
    return "";
}

Signal StepSounds::make(Terrain terrain, bool run) {
    const Pace pace = run ? Pace{0.64, 1.08, 1.0} : Pace{1.0, 1.0, 0.0};
    Random rng(0x57E9000 + static_cast<std::uint64_t>(terrain) * 2 + (run ? 1 : 0));
    switch (terrain) {
    case Terrain::Bridge: return bridge(rng, pace);
    case Terrain::Earth: return earth(rng, pace);
    case Terrain::Grass: return grass(rng, pace);
    case Terrain::Lake: return water(rng, pace, true);
    case Terrain::Mountain: return mountain(rng, pace);
    case Terrain::River: return water(rng, pace, false);
    case Terrain::Sand: return sand(rng, pace);
    case Terrain::Snow: return snow(rng, pace);
    case Terrain::Way: return way(rng, pace);
    }
    return Signal();
}
