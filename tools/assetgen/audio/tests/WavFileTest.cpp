#include "WavFile.hpp"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class WavFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("assetgen_audio_wav_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void writeBytes(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    fs::path dir_;
};

TEST_F(WavFileTest, MonoAndStereoComeBackAsWritten) {
    Signal left = Signal::ofSamples(5), right = Signal::ofSamples(5);
    const float values[5] = {0.0f, 0.5f, -0.5f, 0.999f, -1.0f};
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
    ASSERT_EQ(mono.samples.size(), 5u);
    EXPECT_EQ(mono.samples[1], 16384);
    EXPECT_EQ(mono.samples[2], -16384);
    // Full scale is kept symmetric: -1 becomes -32767, never -32768.
    EXPECT_EQ(mono.samples[4], -32767);
    EXPECT_EQ(fs::file_size(path("mono.wav")), 44u + 10u);

    const WavFile stereo = WavFile::read(path("stereo.wav"));
    EXPECT_EQ(stereo.channels, 2);
    ASSERT_EQ(stereo.frames(), 5u);
    EXPECT_EQ(stereo.samples[2], 16384);
    EXPECT_EQ(stereo.samples[3], -16384);
}

TEST_F(WavFileTest, OverRangeIsClampedNotWrapped) {
    Signal s = Signal::ofSamples(2);
    s[0] = 1.7f;
    s[1] = -3.0f;
    const WavFile w = WavFile::fromMono(s);
    EXPECT_EQ(w.samples[0], 32767);
    EXPECT_EQ(w.samples[1], -32767);
}

TEST_F(WavFileTest, SkipsUnknownChunks) {
    // A LIST chunk between fmt and data, as many editors write.
    std::string bytes("RIFF\0\0\0\0WAVE", 12);
    bytes += std::string("fmt \x10\0\0\0\x01\0\x01\0\x44\xAC\0\0\x88\x58\x01\0\x02\0\x10\0", 24);
    bytes += std::string("LIST\x03\0\0\0abc\0", 12);
    bytes += std::string("data\x04\0\0\0\x01\0\xFF\xFF", 12);
    writeBytes("list.wav", bytes);
    const WavFile w = WavFile::read(path("list.wav"));
    ASSERT_EQ(w.samples.size(), 2u);
    EXPECT_EQ(w.samples[0], 1);
    EXPECT_EQ(w.samples[1], -1);
}

TEST_F(WavFileTest, BadFilesAreNamedWithTheProblem) {
    auto message = [&](const std::string& name) {
        try {
            WavFile::read(path(name));
        } catch (const std::runtime_error& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message("missing.wav"), path("missing.wav") + ": cannot be opened");

    writeBytes("text.wav", "hello, not a sound");
    EXPECT_EQ(message("text.wav"), path("text.wav") + ": not a RIFF/WAVE file");

    std::string header("RIFF\0\0\0\0WAVE", 12);
    std::string fmt8("fmt \x10\0\0\0\x01\0\x01\0\x44\xAC\0\0\x44\xAC\0\0\x01\0\x08\0", 24);
    writeBytes("8bit.wav", header + fmt8 + std::string("data\x02\0\0\0\x80\x80", 10));
    EXPECT_EQ(message("8bit.wav"), path("8bit.wav") + ": 8-bit samples, expected 16");

    std::string fmt16("fmt \x10\0\0\0\x01\0\x01\0\x44\xAC\0\0\x88\x58\x01\0\x02\0\x10\0", 24);
    writeBytes("short.wav", header + fmt16 + std::string("data\x00\x10\0\0\x01\0", 10));
    EXPECT_NE(message("short.wav").find("truncated data: 4096 bytes announced, 2 present"), std::string::npos);

    writeBytes("nodata.wav", header + fmt16);
    EXPECT_EQ(message("nodata.wav"), path("nodata.wav") + ": no data chunk");
}

}  // namespace
