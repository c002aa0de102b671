#include "AudioCheck.hpp"
#include "Loudness.hpp"
#include "WavFile.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <unistd.h>

#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;
using Kind = EffectCatalogue::Kind;

namespace {

// A faded tone at the given RMS, as a well-made effect would be.
Signal tone(double seconds, double rmsDb) {
    Signal s(seconds);
    const double amp = Loudness::fromDb(rmsDb) * std::sqrt(2.0);
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<float>(amp * std::sin(2.0 * M_PI * 441.0 * i / Signal::kRate));
    s.fade(0.005, 0.005);
    return s;
}

class AudioCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("assetgen_audio_check_" + std::to_string(::getpid()));
        fs::create_directories(dir_ / "Data" / "SFXs");
        fs::create_directories(dir_ / "Data" / "Musics");
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string write(const std::string& name, const Signal& s) const {
        const std::string p = (dir_ / "Data" / "SFXs" / name).string();
        WavFile::fromMono(s).write(p);
        return p;
    }
    std::vector<std::string> problems(const std::string& name, const Signal& s, Kind kind) const {
        return AudioCheck::checkEffect(write(name, s), kind).problems;
    }
    fs::path dir_;
};

TEST_F(AudioCheckTest, AWellMadeEffectPasses) {
    const AudioCheck::Report r = AudioCheck::checkEffect(write("ok.wav", tone(0.3, -20.0)), Kind::Effect);
    EXPECT_TRUE(r.problems.empty()) << r.problems.front();
    EXPECT_EQ(r.rate, 44100);
    EXPECT_EQ(r.bits, 16);
    EXPECT_NEAR(r.seconds, 0.3, 1e-3);
    EXPECT_NEAR(r.rmsDb, -20.0, 0.3);
    EXPECT_NEAR(r.peakDb, -17.0, 0.3);
}

TEST_F(AudioCheckTest, CatchesClippingSilenceAndLevelsOffTheCommonOne) {
    Signal clipped = tone(0.3, -20.0);
    clipped[5000] = 1.0f;
    EXPECT_EQ(problems("clip.wav", clipped, Kind::Effect).front().rfind("clips", 0), 0u);
    EXPECT_EQ(problems("silent.wav", Signal(0.3), Kind::Effect), std::vector<std::string>{"silent"});
    EXPECT_NE(problems("quiet.wav", tone(0.3, -25.0), Kind::Effect).front().find("more than 4.0 dB off -20.0"),
              std::string::npos);
    EXPECT_EQ(problems("loud.wav", tone(0.3, -15.0), Kind::Effect).size(), 1u);
    // Within the tolerance is fine; interface blips have their own, lower level.
    EXPECT_TRUE(problems("near.wav", tone(0.3, -23.5), Kind::Effect).empty());
    EXPECT_TRUE(problems("blip.wav", tone(0.06, -23.0), Kind::Interface).empty());
}

TEST_F(AudioCheckTest, CatchesClicksAtTheEdgesAndStepsOfTheWrongLength) {
    Signal abrupt = tone(0.2, -20.0);
    abrupt.resize(abrupt.size() / 2 + 37);  // cut mid-wave
    EXPECT_EQ(problems("cut.wav", abrupt, Kind::Effect), std::vector<std::string>{"ends with a jump (click)"});
    EXPECT_EQ(problems("long.wav", tone(0.45, -20.0), Kind::Step).front(), "a step of 450.0 ms (want 100-300)");
    EXPECT_EQ(problems("short.wav", tone(0.05, -20.0), Kind::Step).size(), 1u);
    EXPECT_TRUE(problems("step.wav", tone(0.2, -20.0), Kind::Step).empty());
}

TEST_F(AudioCheckTest, ThePlaceholderMustBeShortAndSilent) {
    EXPECT_TRUE(problems("null.wav", Signal(0.01), Kind::Silent).empty());
    EXPECT_EQ(problems("hum.wav", tone(0.01, -40.0), Kind::Silent), std::vector<std::string>{"should be silent"});
}

TEST_F(AudioCheckTest, AGameFolderWithNothingInItFailsEveryEntry) {
    const std::vector<AudioCheck::Report> reports = AudioCheck::checkGame(dir_.string(), dir_.string());
    ASSERT_EQ(reports.size(), EffectCatalogue::entries().size() + 1);
    EXPECT_EQ(AudioCheck::failures(reports), static_cast<int>(reports.size()));
    EXPECT_NE(reports.front().problems.front().find("Interface_KeyboardFocus.wav: cannot be opened"),
              std::string::npos);
    EXPECT_NE(reports.back().problems.front().find("mysteriousfunk.mp3: missing"), std::string::npos);
    std::ostringstream table;
    AudioCheck::print(table, reports);
    EXPECT_NE(table.str().find("audio check: 0 passed, 43 failed"), std::string::npos);
}

TEST_F(AudioCheckTest, MusicThatIsNotAnMp3IsReported) {
    const std::string p = (dir_ / "Data" / "Musics" / "mysteriousfunk.mp3").string();
    WavFile::fromMono(tone(0.5, -20.0)).write(p + ".wav");
    fs::rename(p + ".wav", p);  // a WAV wearing an MP3 name is still not music lame can decode
    const AudioCheck::Report r = AudioCheck::checkMusic(p, dir_.string());
    ASSERT_FALSE(r.problems.empty());
}

}  // namespace
