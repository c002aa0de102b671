#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <SDL/SDL_mixer.h>

#include "media/Logger.hpp"
#include "media/MediaContext.hpp"
#include "media/Mixer.hpp"

// Audio tests run on SDL's dummy driver in a fresh folder of their own, with
// tiny sounds they write themselves.
class Audio_Folder : public ::testing::Test {
protected:
    void SetUp() override {
        // Never a real sound card, whoever runs the tests.
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        GLINT::SDL::MediaContext& media = GLINT::SDL::MediaContext::instance();
        mediaLogFile = std::filesystem::absolute("GLINT_Lumen.log");
        ASSERT_TRUE(media.InitAudio(44100, 1, 2048));
        ASSERT_NE(media.getMixer(), nullptr);
        previous = std::filesystem::current_path();
        char pattern[] = "/tmp/varnholt_audio_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        std::filesystem::current_path(folder);
    }

    void TearDown() override {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(folder);
    }

    GLINT::SDL::Mixer& mixer() { return *GLINT::SDL::MediaContext::instance().getMixer(); }

    // A 16-bit mono WAV holding a few hundred samples of a 440 Hz sine.
    static void writeTone(const std::string& name, int samples = 400, int rate = 22050) {
        std::filesystem::path path(name);
        if (path.has_parent_path())
            std::filesystem::create_directories(path.parent_path());
        std::ofstream out(name, std::ios::binary);
        auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
        auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
        const std::uint32_t bytes = static_cast<std::uint32_t>(samples) * 2;
        out.write("RIFF", 4);
        u32(36 + bytes);
        out.write("WAVEfmt ", 8);
        u32(16);
        u16(1); // PCM
        u16(1); // mono
        u32(static_cast<std::uint32_t>(rate));
        u32(static_cast<std::uint32_t>(rate) * 2);
        u16(2);
        u16(16);
        out.write("data", 4);
        u32(bytes);
        for (int i = 0; i < samples; ++i)
            u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * std::sin(i * 2 * M_PI * 440 / rate))));
    }

    static void writeText(const std::string& name, const std::string& text) {
        std::filesystem::path path(name);
        if (path.has_parent_path())
            std::filesystem::create_directories(path.parent_path());
        std::ofstream(name, std::ios::binary) << text;
    }

    // What the media log received since the mark.
    std::string mediaLogSince(std::uintmax_t mark) const {
        GLINT::SDL::MediaLog.flush();
        std::ifstream in(mediaLogFile, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        const std::string all = s.str();
        return mark < all.size() ? all.substr(mark) : std::string();
    }

    std::uintmax_t mediaLogMark() const {
        GLINT::SDL::MediaLog.flush();
        std::error_code ignored;
        const std::uintmax_t size = std::filesystem::file_size(mediaLogFile, ignored);
        return size == static_cast<std::uintmax_t>(-1) ? 0 : size;
    }

    std::filesystem::path mediaLogFile;
    std::filesystem::path previous;
    std::filesystem::path folder;
};
