#include "FunkScore.hpp"
#include "FunkTrack.hpp"
#include "Loudness.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(FunkScore, LoopsOnABarLineAfterAtLeastAMinute) {
    EXPECT_DOUBLE_EQ(FunkScore::barSeconds(), 2.5);
    EXPECT_GE(FunkScore::loopSeconds(), 60.0);
    EXPECT_EQ(FunkTrack::loopSamples(), static_cast<std::size_t>(FunkScore::kBars * 2.5 * 44100));
}

TEST(FunkScore, EverythingStartsInsideTheLoop) {
    const FunkScore score;
    const double end = FunkScore::loopSeconds();
    for (const auto& h : score.drums()) {
        EXPECT_GE(h.time, 0.0);
        EXPECT_LT(h.time, end);
    }
    for (const auto& n : score.bass()) {
        EXPECT_LT(n.time, end);
        EXPECT_GE(n.midi, 28);  // E1: nothing under the bass register
        EXPECT_LE(n.midi, 52);
    }
    EXPECT_FALSE(score.keys().empty());
    EXPECT_FALSE(score.lead().empty());
    // The groove is the same bar after bar except at phrase ends: the one
    // is always a kick.
    int downbeats = 0;
    for (const auto& h : score.drums())
        if (h.drum == FunkScore::Drum::Kick &&
            std::fmod(h.time, FunkScore::barSeconds()) < 0.005)
            ++downbeats;
    EXPECT_EQ(downbeats, FunkScore::kBars);
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
