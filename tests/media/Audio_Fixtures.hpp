#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include <SDL/SDL_mixer.h>

#include "media/Logger.hpp"
#include "media/MediaContext.hpp"
#include "media/Mixer.hpp"

// Whatever the media log writes while it lives (sent to the console, whatever
// other tests did to the log before).
class MediaLogCapture {
public:
    MediaLogCapture() : old(std::clog.rdbuf(buffer.rdbuf())), wasConsole(GLINT::SDL::MediaLog.toConsole()) {
        GLINT::SDL::MediaLog.setConsole(true);
    }
    ~MediaLogCapture() {
        GLINT::SDL::MediaLog.setConsole(wasConsole);
        std::clog.rdbuf(old);
    }
    MediaLogCapture(const MediaLogCapture&) = delete;
    MediaLogCapture& operator=(const MediaLogCapture&) = delete;
    std::string text() const { return buffer.str(); }

private:
    std::ostringstream buffer;
    std::streambuf* old;
    bool wasConsole;
};

// Audio tests run on SDL's dummy driver in a fresh folder of their own, with
// tiny sounds they write themselves.
class Audio_Folder : public ::testing::Test {
protected:
    void SetUp() override {
        // Never a real sound card, whoever runs the tests.
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        GLINT::SDL::MediaContext& media = GLINT::SDL::MediaContext::instance();
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

    std::filesystem::path previous;
    std::filesystem::path folder;
};
