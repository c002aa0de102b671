#include "EffectCatalogue.hpp"
#include "FunkScore.hpp"
#include "FunkTrack.hpp"
#include "Loudness.hpp"
#include "StepSounds.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

using Kind = EffectCatalogue::Kind;
using Terrain = StepSounds::Terrain;

// Lengths, edges and clipping are the asset check's; here the level to half a decibel.
TEST(EffectCatalogue, EffectsAreLevelledAndRunStepsAreShorter) {
    std::map<std::string, double> seconds;
    for (const auto& entry : EffectCatalogue::entries()) {
        SCOPED_TRACE(entry.file);
        const Signal a = EffectCatalogue::render(entry);
        seconds[entry.file] = a.seconds();
        if (entry.kind == Kind::Silent) continue;
        EXPECT_NEAR(Loudness::measure(a).rmsDb, EffectCatalogue::targetDb(entry.kind), 0.5);
    }
    int terrains = 0;
    for (const auto& [file, walk] : seconds) {
        if (file.rfind("SFX_Walk", 0) != 0) continue;
        SCOPED_TRACE(file);
        ++terrains;
        EXPECT_LT(seconds.at("SFX_Run" + file.substr(8)), walk * 0.85);
    }
    EXPECT_EQ(terrains, 9);
}

TEST(EffectCatalogue, TerrainsSoundDifferent) {
    // Spectral centroid as a crude ear: stone must be brighter than earth,
    // sand brighter than the bridge's hollow boom.
    auto brightness = [](Terrain t) {
        const Signal s = StepSounds::make(t, false);
        double diff = 0.0, level = 0.0;
        for (std::size_t i = 1; i < s.size(); ++i) {
            diff += std::pow(double(s[i]) - s[i - 1], 2);
            level += std::pow(double(s[i]), 2);
        }
        return diff / level;
    };
    EXPECT_GT(brightness(Terrain::Way), 3.0 * brightness(Terrain::Earth));
    EXPECT_GT(brightness(Terrain::Sand), 3.0 * brightness(Terrain::Bridge));
    EXPECT_GT(brightness(Terrain::Snow), 3.0 * brightness(Terrain::Earth));
}

TEST(FunkTrack, MixIsLevelledAndTheLoopPointIsSeamless) {
    const StereoBus bus = FunkTrack::render();
    ASSERT_EQ(bus.size(), FunkTrack::loopSamples());
    std::vector<float> inter;
    inter.reserve(bus.size() * 2);
    for (std::size_t i = 0; i < bus.size(); ++i) {
        inter.push_back(bus.left[i]);
        inter.push_back(bus.right[i]);
    }
    const Loudness::Level l = Loudness::measure(inter, 2, Signal::kRate);
    EXPECT_NEAR(l.rmsDb, FunkTrack::kLevelDb, 0.5);
    EXPECT_LE(l.peakDb, FunkTrack::kCeilingDb + 1e-3);
    // Wrapping from the last sample to the first is no bigger a step than
    // the music takes anywhere else, on either side.
    for (const Signal* c : {&bus.left, &bus.right}) {
        double typical = 0.0;
        for (std::size_t i = 1; i < c->size(); ++i) typical += std::pow(double((*c)[i]) - (*c)[i - 1], 2);
        typical = std::sqrt(typical / c->size());
        EXPECT_LE(std::fabs(double((*c)[0]) - (*c)[c->size() - 1]), typical);
    }
    // Nothing is a flat line: every 2.5 s bar has sound in it.
    for (int bar = 0; bar < FunkScore::kBars; ++bar) {
        const std::size_t from = static_cast<std::size_t>(bar * 2.5 * Signal::kRate);
        std::vector<float> one(bus.left.data().begin() + from, bus.left.data().begin() + from + 110250);
        EXPECT_GT(Loudness::measure(one, 1, Signal::kRate).rmsDb, -30.0) << "bar " << bar;
    }
}

}  // namespace
