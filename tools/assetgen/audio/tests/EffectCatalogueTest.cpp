#include "EffectCatalogue.hpp"
#include "Loudness.hpp"
#include "StepSounds.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

using Kind = EffectCatalogue::Kind;
using Terrain = StepSounds::Terrain;

TEST(EffectCatalogue, HasTheFortyTwoFilesTheGameLoadsInItsOrder) {
    const auto& e = EffectCatalogue::entries();
    ASSERT_EQ(e.size(), 42u);
    std::set<std::string> names;
    for (const auto& entry : e) names.insert(entry.file);
    EXPECT_EQ(names.size(), 42u);
    EXPECT_EQ(e[0].file, "Interface_KeyboardFocus.wav");
    EXPECT_EQ(e[12].file, "SFX_UndeadDeathCrumble.wav");
    EXPECT_EQ(e[13].file, "SFX_WalkBridge.wav");
    EXPECT_EQ(e[21].file, "SFX_WalkWay+Lava.wav");
    EXPECT_EQ(e[30].file, "SFX_RunWay+Lava.wav");
    EXPECT_EQ(e[31].file, "SFX_ItemBowAttack.wav");
    EXPECT_EQ(e[40].file, "_null.wav");
    EXPECT_EQ(e[41].file, "SFX_UnarmedHit.wav");
    int blips = 0;
    for (const auto& entry : e) blips += entry.kind == Kind::Interface;
    EXPECT_EQ(blips, 3);
}

TEST(EffectCatalogue, RunStepsAreShorterThanWalkStepsOnEveryTerrain) {
    const auto& e = EffectCatalogue::entries();
    for (std::size_t i = 13; i < 22; ++i) {
        const Signal walk = EffectCatalogue::render(e[i]);
        const Signal run = EffectCatalogue::render(e[i + 9]);
        SCOPED_TRACE(e[i].file);
        EXPECT_GE(walk.seconds(), 0.1);
        EXPECT_LE(walk.seconds(), 0.3);
        EXPECT_GE(run.seconds(), 0.1);
        EXPECT_LT(run.seconds(), walk.seconds() * 0.85);
    }
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

TEST(EffectCatalogue, RenderingIsRepeatableAndLevelled) {
    for (const auto& entry : EffectCatalogue::entries()) {
        SCOPED_TRACE(entry.file);
        const Signal a = EffectCatalogue::render(entry);
        if (entry.kind == Kind::Silent) {
            EXPECT_EQ(a.peak(), 0.0);
            continue;
        }
        const Loudness::Level l = Loudness::measure(a);
        EXPECT_NEAR(l.rmsDb, EffectCatalogue::targetDb(entry.kind), 0.5);
        EXPECT_LE(l.peakDb, EffectCatalogue::kCeilingDb + 1e-3);
        EXPECT_EQ(a[0], 0.0f);
        EXPECT_EQ(a[a.size() - 1], 0.0f);
    }
    // Same recipe, same samples.
    const auto& draw = EffectCatalogue::entries()[3];
    EXPECT_EQ(EffectCatalogue::render(draw).data(), EffectCatalogue::render(draw).data());
}

}  // namespace
