#include "Limiter.hpp"
#include "Loudness.hpp"
#include "Random.hpp"
#include "Resonator.hpp"
#include "StereoBus.hpp"
#include "Svf.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Signal sine(double seconds, double hz, double amp) {
    Signal s(seconds);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<float>(amp * std::sin(2.0 * M_PI * hz * i / Signal::kRate));
    return s;
}

TEST(Loudness, RmsOfTheSoundingPartOverBothChannels) {
    // A sine measures three decibels under its peak.
    Loudness::Level l = Loudness::measure(sine(0.5, 441.0, 0.5));
    EXPECT_NEAR(l.peakDb, -6.02, 0.05);
    EXPECT_NEAR(l.rmsDb, -9.03, 0.05);
    EXPECT_NEAR(l.activeSeconds, 0.5, 0.011);
    // 0.1 s of tone inside a second of near silence: the level is the tone's.
    Signal s(1.0);
    s.mix(sine(0.1, 441.0, 0.5), 0.45);
    l = Loudness::measure(s);
    EXPECT_NEAR(l.rmsDb, -9.03, 0.1);
    EXPECT_NEAR(l.activeSeconds, 0.1, 0.021);
    EXPECT_EQ(Loudness::measure(Signal(0.2)).rmsDb, Loudness::kSilenceDb);
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

double gainAt(Svf::Mode mode, double cutoff, double hz) {
    Svf f(mode, cutoff, 0.707);
    double in = 0.0, out = 0.0;
    for (int i = 0; i < Signal::kRate; ++i) {
        const double x = std::sin(2.0 * M_PI * hz * i / Signal::kRate);
        const double y = f.process(x);
        if (i > Signal::kRate / 2) {
            in += x * x;
            out += y * y;
        }
    }
    return 10.0 * std::log10(out / in);
}

TEST(Svf, PassesAndStopsWhereItShould) {
    EXPECT_NEAR(gainAt(Svf::Mode::LowPass, 500.0, 100.0), 0.0, 0.5);
    EXPECT_LT(gainAt(Svf::Mode::LowPass, 500.0, 8000.0), -40.0);
    EXPECT_NEAR(gainAt(Svf::Mode::HighPass, 2000.0, 10000.0), 0.0, 0.5);
    EXPECT_LT(gainAt(Svf::Mode::HighPass, 2000.0, 100.0), -40.0);
    // The band-pass peaks at unity whatever its Q.
    EXPECT_NEAR(gainAt(Svf::Mode::BandPass, 1000.0, 1000.0), 0.0, 0.2);
}

TEST(Resonator, RingsAtItsFrequencyAndDiesAtItsRate) {
    Resonator r(441.0, 0.05);
    std::vector<double> y;
    for (int i = 0; i < Signal::kRate / 5; ++i) y.push_back(r.process(i == 0 ? 1.0 : 0.0));
    double early = 0.0, late = 0.0;
    for (int i = 0; i < 100; ++i) early = std::max(early, std::fabs(y[i]));
    // One time constant later the ring is e times weaker.
    const int tau = Signal::kRate / 20;
    for (int i = tau; i < tau + 100; ++i) late = std::max(late, std::fabs(y[i]));
    EXPECT_NEAR(early, 1.0, 0.02);  // the first crest is already a quarter period in
    EXPECT_NEAR(late, std::exp(-1.0), 0.02);
    int crossings = 0;
    for (std::size_t i = 1; i < 4410; ++i) crossings += (y[i - 1] < 0.0) != (y[i] < 0.0);
    EXPECT_NEAR(crossings, 88, 1);  // 441 Hz for 0.1 s
}

TEST(StereoBus, CentreKeepsTheSignalAndFoldingWrapsTails) {
    StereoBus bus(10);
    Signal s = Signal::ofSamples(4);
    for (int i = 0; i < 4; ++i) s[i] = 0.25f * (i + 1);
    bus.add(s, 8, 1.0, 0.5);  // two samples past the end are dropped
    EXPECT_FLOAT_EQ(bus.left[8], 0.25f);
    EXPECT_FLOAT_EQ(bus.right[9], 0.5f);
    bus.add(s, 0, 1.0, 0.0);  // hard left
    EXPECT_FLOAT_EQ(bus.right[1], 0.0f);
    EXPECT_NEAR(bus.left[1], 0.5 * std::sqrt(2.0), 1e-6);

    StereoBus loop(12);
    loop.left[10] = 0.5f;
    loop.left[1] = 0.25f;
    loop.foldLoop(8);
    ASSERT_EQ(loop.size(), 8u);
    EXPECT_FLOAT_EQ(loop.left[2], 0.5f);
    EXPECT_FLOAT_EQ(loop.left[1], 0.25f);
}

}  // namespace
