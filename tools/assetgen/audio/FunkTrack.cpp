#include "FunkTrack.hpp"

#include "BassSynth.hpp"
#include "DrumKit.hpp"
#include "ElectricPiano.hpp"
#include "FunkScore.hpp"
#include "Loudness.hpp"
#include "Random.hpp"
#include "Theremin.hpp"

#include <cmath>
#include <map>

namespace {

double hz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

std::size_t sampleAt(double seconds) {
    return Signal::samplesOf(seconds);
}

void renderDrums(const FunkScore& score, StereoBus& bus) {
    Random rng(0xD2B5);
    const Signal kick = DrumKit::kick();
    std::vector<Signal> snares, hats;
    for (int i = 0; i < 4; ++i) snares.push_back(DrumKit::snare(rng));
    for (int i = 0; i < 4; ++i) hats.push_back(DrumKit::hat(rng, false, 0.12));
    const Signal crash = DrumKit::crash(rng);
    int n = 0;
    for (const FunkScore::Hit& h : score.drums()) {
        const std::size_t at = sampleAt(h.time);
        ++n;
        switch (h.drum) {
        case FunkScore::Drum::Kick: bus.add(kick, at, 0.8 * h.velocity, 0.5); break;
        case FunkScore::Drum::Snare: bus.add(snares[n % 4], at, 0.75 * h.velocity, 0.47); break;
        case FunkScore::Drum::ClosedHat: bus.add(hats[n % 4], at, 0.3 * h.velocity, 0.62); break;
        case FunkScore::Drum::OpenHat: bus.add(DrumKit::hat(rng, true, h.seconds), at, 0.3 * h.velocity, 0.62); break;
        case FunkScore::Drum::Crash: bus.add(crash, at, 0.16 * h.velocity, 0.35); break;
        }
    }
}

void renderBass(const FunkScore& score, StereoBus& bus) {
    for (const FunkScore::Note& n : score.bass())
        bus.add(BassSynth::note(hz(n.midi), n.seconds, n.velocity, n.dead), sampleAt(n.time), 0.42, 0.5);
}

void renderKeys(const FunkScore& score, StereoBus& bus, Signal& echoSend) {
    // Most chords repeat: render each (pitch, length, velocity) once.
    std::map<std::tuple<int, long, long>, Signal> cache;
    auto tremolo = [](double t) { return 0.5 + 0.3 * std::sin(2.0 * M_PI * 3.2 * t); };
    for (const FunkScore::Note& n : score.keys()) {
        const auto key = std::make_tuple(n.midi, std::lround(n.seconds * 1000), std::lround(n.velocity * 50));
        auto it = cache.find(key);
        if (it == cache.end())
            it = cache.emplace(key, ElectricPiano::note(hz(n.midi), n.seconds, std::lround(n.velocity * 50) / 50.0)).first;
        const std::size_t at = sampleAt(n.time);
        bus.addPanned(it->second, at, 0.21, tremolo);
        echoSend.mixAtSample(it->second, at, 0.05);
    }
}

void renderLead(const FunkScore& score, StereoBus& bus, Signal& echoSend, double seconds) {
    const Signal lead = Theremin::line(score.lead(), seconds);
    bus.add(lead, 0, 0.34, 0.42);
    echoSend.mixAtSample(lead, 0, 0.3);
}

}  // namespace

std::size_t FunkTrack::loopSamples() {
    return sampleAt(FunkScore::loopSeconds());
}

StereoBus FunkTrack::render() {
    const FunkScore score;
    const std::size_t loop = loopSamples();
    // Room past the end for ringing notes and echoes; folded back below.
    const double seconds = FunkScore::loopSeconds() + 4.0;
    StereoBus bus(sampleAt(seconds));
    Signal echoSend = Signal::ofSamples(bus.size());
    renderDrums(score, bus);
    renderBass(score, bus);
    renderKeys(score, bus, echoSend);
    renderLead(score, bus, echoSend, seconds);
    // Dotted-eighth echoes, in time with the groove.
    bus.addPingPong(echoSend, sampleAt(3.0 * FunkScore::stepSeconds()), 0.4, 0.8);
    bus.foldLoop(loop);
    Loudness::normalise({&bus.left, &bus.right}, kLevelDb, kCeilingDb);
    // Players that cannot loop gaplessly put silence at the seam; tiny
    // fades let them meet that silence without a click, too short to be
    // heard where the loop is seamless.
    for (Signal* c : {&bus.left, &bus.right}) c->fade(0.003, 0.003);
    return bus;
}
