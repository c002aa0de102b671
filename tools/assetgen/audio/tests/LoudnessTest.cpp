#include "Limiter.hpp"
#include "Loudness.hpp"
#include "Random.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Signal sine(double seconds, double hz, double amp) {
    Signal s(seconds);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<float>(amp * std::sin(2.0 * M_PI * hz * i / Signal::kRate));
    return s;
}

TEST(Loudness, SineMeasuresThreeDecibelsUnderItsPeak) {
    const Loudness::Level l = Loudness::measure(sine(0.5, 441.0, 0.5));
    EXPECT_NEAR(l.peakDb, -6.02, 0.05);
    EXPECT_NEAR(l.rmsDb, -9.03, 0.05);
    EXPECT_NEAR(l.activeSeconds, 0.5, 0.011);
}

TEST(Loudness, QuietLeadAndTailDoNotCount) {
    // 0.1 s of tone inside a second of near silence: the level is the tone's.
    Signal s(1.0);
    s.mix(sine(0.1, 441.0, 0.5), 0.45);
    const Loudness::Level l = Loudness::measure(s);
    EXPECT_NEAR(l.rmsDb, -9.03, 0.1);
    EXPECT_NEAR(l.activeSeconds, 0.1, 0.021);
    EXPECT_EQ(Loudness::measure(Signal(0.2)).rmsDb, Loudness::kSilenceDb);
}

TEST(Loudness, StereoWindowsSpanBothChannels) {
    // A full-scale left channel and a silent right one: half the power.
    std::vector<float> inter;
    for (int i = 0; i < 4410; ++i) {
        inter.push_back(i % 2 ? 1.0f : -1.0f);
        inter.push_back(0.0f);
    }
    EXPECT_NEAR(Loudness::measure(inter, 2, 44100).rmsDb, -3.01, 0.01);
}

TEST(Loudness, NormaliseHitsTheTargetAndKeepsPeaksUnderTheCeiling) {
    // A spiky signal: quiet noise with a few full-scale clicks, so the RMS
    // target pushes the clicks far over the ceiling.
    Random rng(7);
    Signal s(0.5);
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<float>(0.02 * rng.bipolar());
    for (std::size_t at : {1000u, 9000u, 15000u}) s[at] = 1.0f;
    Loudness::normalise(s, -20.0, -1.0);
    const Loudness::Level l = Loudness::measure(s);
    EXPECT_NEAR(l.rmsDb, -20.0, 0.3);
    EXPECT_LE(l.peakDb, -1.0 + 1e-3);
}

TEST(Limiter, LeavesQuietSignalsAloneAndNeverJumps) {
    Signal quiet = sine(0.1, 441.0, 0.5);
    const Signal before = quiet;
    EXPECT_EQ(Limiter::apply({&quiet}, 0.9), 0.0);
    EXPECT_EQ(quiet.data(), before.data());

    Signal loud = sine(0.2, 100.0, 2.0);
    const double reduction = Limiter::apply({&loud}, 0.5);
    EXPECT_NEAR(reduction, 12.04, 0.1);
    EXPECT_LE(loud.peak(), 0.5 + 1e-6);
    // A slow sine stays smooth: no sample-to-sample step beyond the sine's own.
    double worst = 0.0;
    for (std::size_t i = 1; i < loud.size(); ++i) worst = std::max(worst, std::fabs(double(loud[i]) - loud[i - 1]));
    EXPECT_LT(worst, 2.0 * 2.0 * M_PI * 100.0 / Signal::kRate);
}

}  // namespace
