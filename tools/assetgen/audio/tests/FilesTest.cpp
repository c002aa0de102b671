#include "AudioCheck.hpp"
#include "Loudness.hpp"
#include "WavFile.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <unistd.h>

#include <filesystem>
#include <fstream>

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

// A game folder of its own, Data/SFXs/ and Data/Musics/ empty.
class AudioFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("assetgen_audio_files_" + std::to_string(::getpid()));
        fs::create_directories(dir_ / "Data" / "SFXs");
        fs::create_directories(dir_ / "Data" / "Musics");
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void writeBytes(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    fs::path dir_;
};

TEST_F(AudioFiles, WavMonoAndStereoComeBackAsWrittenClampedNotWrapped) {
    Signal left = Signal::ofSamples(5), right = Signal::ofSamples(5);
    const float values[5] = {0.0f, 0.5f, -0.5f, 1.7f, -3.0f};
    for (int i = 0; i < 5; ++i) {
        left[i] = values[i];
        right[i] = -values[i];
    }
    WavFile::fromMono(left).write(path("mono.wav"));
    WavFile::fromStereo(left, right).write(path("stereo.wav"));

    const WavFile mono = WavFile::read(path("mono.wav"));
    EXPECT_EQ(mono.rate, 44100);
    EXPECT_EQ(mono.channels, 1);
    EXPECT_EQ(mono.bits, 16);
    // Full scale is kept symmetric: -1 and below become -32767, never -32768.
    EXPECT_EQ(mono.samples, (std::vector<int16_t>{0, 16384, -16384, 32767, -32767}));
    EXPECT_EQ(fs::file_size(path("mono.wav")), 44u + 10u);

    const WavFile stereo = WavFile::read(path("stereo.wav"));
    EXPECT_EQ(stereo.channels, 2);
    ASSERT_EQ(stereo.frames(), 5u);
    EXPECT_EQ(stereo.samples[2], 16384);
    EXPECT_EQ(stereo.samples[3], -16384);
}

TEST_F(AudioFiles, WavReadingSkipsUnknownChunksAndNamesBadFilesWithTheProblem) {
    const std::string header("RIFF\0\0\0\0WAVE", 12);
    const std::string fmt16("fmt \x10\0\0\0\x01\0\x01\0\x44\xAC\0\0\x88\x58\x01\0\x02\0\x10\0", 24);
    // A LIST chunk between fmt and data, as many editors write.
    writeBytes("list.wav", header + fmt16 + std::string("LIST\x03\0\0\0abc\0", 12) +
                               std::string("data\x04\0\0\0\x01\0\xFF\xFF", 12));
    EXPECT_EQ(WavFile::read(path("list.wav")).samples, (std::vector<int16_t>{1, -1}));

    writeBytes("text.wav", "hello, not a sound");
    writeBytes("short.wav", header + fmt16 + std::string("data\x00\x10\0\0\x01\0", 10));
    const std::pair<const char*, const char*> bad[] = {
        {"missing.wav", ": cannot be opened"}, {"text.wav", ": not a RIFF/WAVE file"},
        {"short.wav", ": truncated data: 4096 bytes announced, 2 present"}};
    for (const auto& [name, problem] : bad) {
        std::string message = "no error";
        try {
            WavFile::read(path(name));
        } catch (const std::runtime_error& e) {
            message = e.what();
        }
        EXPECT_EQ(message, path(name) + problem);
    }
}

TEST_F(AudioFiles, EffectsAreMeasuredAndTheirFaultsNamed) {
    Signal clipped = tone(0.3, -20.0);
    clipped[5000] = 1.0f;
    Signal cut = tone(0.2, -20.0);
    cut.resize(cut.size() / 2 + 37);  // cut mid-wave
    const struct {
        Signal signal;
        Kind kind;
        std::string problems;
    } cases[] = {
        {tone(0.3, -20.0), Kind::Effect, ""},
        {tone(0.3, -23.5), Kind::Effect, ""},  // within the tolerance
        {tone(0.06, -23.0), Kind::Interface, ""},  // blips have their own, lower level
        {tone(0.2, -20.0), Kind::Step, ""},
        {Signal(0.01), Kind::Silent, ""},
        {clipped, Kind::Effect, "clips (peak -0.0 dBFS)"},
        {Signal(0.3), Kind::Effect, "silent"},
        {tone(0.3, -25.0), Kind::Effect, "level -25.1 dBFS, more than 4.0 dB off -20.0"},
        {tone(0.3, -15.0), Kind::Effect, "level -15.1 dBFS, more than 4.0 dB off -20.0"},
        {cut, Kind::Effect, "ends with a jump (click)"},
        {tone(0.45, -20.0), Kind::Step, "a step of 450.0 ms (want 100-300)"},
        {tone(0.05, -20.0), Kind::Step, "a step of 50.0 ms (want 100-300)"},
        {tone(0.01, -40.0), Kind::Silent, "should be silent"},
    };
    for (const auto& c : cases) {
        WavFile::fromMono(c.signal).write(path("effect.wav"));
        const AudioCheck::Report r = AudioCheck::checkEffect(path("effect.wav"), c.kind);
        std::string problems;
        for (const std::string& p : r.problems) problems += (problems.empty() ? "" : "; ") + p;
        EXPECT_EQ(problems, c.problems) << &c - cases;
    }
}

}  // namespace
