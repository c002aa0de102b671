#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include <SDL/SDL_mixer.h>

#include "media/Logger.hpp"
#include "media/MediaContext.hpp"
#include "media/Mixer.hpp"
#include "media/Temporary_Folder.hpp"

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
        here = std::make_unique<test_files::Temporary_Folder>();
        folder = here->Path();
    }

    void TearDown() override {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        here.reset();
    }

    GLINT::SDL::Mixer& mixer() { return *GLINT::SDL::MediaContext::instance().getMixer(); }

    // A 16-bit mono WAV holding a few hundred samples of a 440 Hz sine.
    static void writeTone(const std::string& name, int samples = 400, int rate = 22050) {
        std::string bytes;
        auto u32 = [&](std::uint32_t v) { bytes.append(reinterpret_cast<const char*>(&v), 4); };
        auto u16 = [&](std::uint16_t v) { bytes.append(reinterpret_cast<const char*>(&v), 2); };
        const std::uint32_t size = static_cast<std::uint32_t>(samples) * 2;
        bytes += "RIFF";
        u32(36 + size);
        bytes += "WAVEfmt ";
        u32(16);
        u16(1); // PCM
        u16(1); // mono
        u32(static_cast<std::uint32_t>(rate));
        u32(static_cast<std::uint32_t>(rate) * 2);
        u16(2);
        u16(16);
        bytes += "data";
        u32(size);
        for (int i = 0; i < samples; ++i)
            u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * std::sin(i * 2 * M_PI * 440 / rate))));
        test_files::Write(name, bytes);
    }

    std::unique_ptr<test_files::Temporary_Folder> here;
    std::filesystem::path folder;
};
