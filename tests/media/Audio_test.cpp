#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>

#include "media/Audio_Fixtures.hpp"
#include "media/MixerIf.hpp"
#include "media/Music.hpp"
#include "media/MusicExtend.hpp"
#include "media/Sound.hpp"
#include "media/SoundExtend.hpp"

using namespace GLINT::SDL;

namespace {

using Audio = Audio_Folder;

std::string messageOf(void (*make)(const std::string&), const std::string& file) {
    try {
        make(file);
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return "no exception";
}

void makeSound(const std::string& file) { Sound sound(file, false); }
void makeMusic(const std::string& file) { Music music(file); }

int chunkVolume(const Sound& sound) {
    return Mix_VolumeChunk(static_cast<SoundExtend*>(sound.get())->getChunk(), -1);
}

// Waits up to a second for SDL_mixer's thread to reach a state.
template <class Check> bool eventually(Check check) {
    for (int i = 0; i < 100 && !check(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return check();
}

} // namespace

TEST(MixerVolume, PercentMapsOntoSdlMixerScaleWithIntegerDivision) {
    // Out of range stays within SDL_mixer's scale: a negative one would only query it.
    const std::pair<int, int> volumes[] = {{0, 0},    {1, 1},     {25, 32}, {50, 64},
                                           {99, 126}, {100, 128}, {-5, 0},  {150, 128}};
    for (const auto& [percent, volume] : volumes)
        EXPECT_EQ(MixerIf::toMixerVolume(percent), volume) << percent;
}

TEST_F(Audio, MixerOpensTheDeviceAsAskedAndInitAudioAgainReplacesIt) {
    MixerIf* impl = mixer().get();
    ASSERT_NE(impl, nullptr);
    EXPECT_TRUE(impl->isUsable());
    EXPECT_GE(impl->getOpenedDevices(), 1);
    EXPECT_EQ(impl->getFrequency(), 44100);
    EXPECT_EQ(impl->getChannels(), 1);
    EXPECT_EQ(impl->getFormat(), AUDIO_S16SYS);
    EXPECT_EQ(impl->getDriverName(), std::getenv("SDL_AUDIODRIVER"));

    const int opened = impl->getOpenedDevices();
    ASSERT_TRUE(MediaContext::instance().InitAudio(22050, 2, 1024));
    EXPECT_EQ(mixer().get()->getFrequency(), 22050);
    EXPECT_EQ(mixer().get()->getChannels(), 2);
    EXPECT_EQ(mixer().get()->getOpenedDevices(), opened) << "the old device was closed first";
    ASSERT_TRUE(MediaContext::instance().InitAudio(44100, 1, 2048));
}

TEST_F(Audio, MissingFileStopsAtTheStreamAndNonSoundAtTheDecoder) {
    writeText("notes.wav", "this is not a sound\n");
    {
        MediaLogCapture log;
        EXPECT_EQ(messageOf(makeSound, "absent.wav"), " Unable to access the sound file !");
        EXPECT_NE(log.text().find("Exception caught in SoundIf::SoundIf()"), std::string::npos) << log.text();
        EXPECT_NE(log.text().find("absent.wav"), std::string::npos) << log.text();
        EXPECT_EQ(log.text().find("SoundExtend"), std::string::npos) << log.text();
    }
    {
        MediaLogCapture log;
        EXPECT_EQ(messageOf(makeSound, "notes.wav"), " Unable to open the sound file !");
        EXPECT_NE(log.text().find("Exception caught in SoundExtend::SoundExtend()"), std::string::npos) << log.text();
        EXPECT_EQ(log.text().find("SoundIf::SoundIf()"), std::string::npos) << log.text();
    }
    MediaLogCapture log;
    EXPECT_EQ(messageOf(makeMusic, "absent.mp3"), " Unable to open the sound file !");
    EXPECT_EQ(messageOf(makeMusic, "notes.wav"), " Unable to open the sound file !");
    EXPECT_NE(log.text().find("Exception caught in MusicExtend::MusicExtend()"), std::string::npos) << log.text();
}

TEST_F(Audio, PlayChannelSetsTheChunkVolumeAndReturnsTheChannel) {
    writeTone("tone.wav", 22050); // long enough that pausing never meets a loop's wrap
    Sound sound("tone.wav", false);
    ASSERT_TRUE(sound.isLoaded());

    const int channel = mixer().playChannel(sound, 50, -1, 0, -1);
    ASSERT_GE(channel, 0);
    EXPECT_EQ(chunkVolume(sound), 64);
    EXPECT_TRUE(mixer().get()->isPlaying(channel));
    // SDL_mixer marks a pause with SDL's clock, which reads 0 in its first millisecond.
    while (SDL_GetTicks() == 0)
        SDL_Delay(1);
    mixer().get()->pauseAll();
    EXPECT_TRUE(mixer().get()->isPaused(channel));
    mixer().get()->resumeAll();
    EXPECT_FALSE(mixer().get()->isPaused(channel));
    EXPECT_EQ(mixer().get()->haltChannel(channel, 0), 1);
    EXPECT_FALSE(mixer().get()->isPlaying(channel));

    // A fade-in plays on the channel asked for.
    EXPECT_EQ(mixer().playChannel(sound, 100, -1, 20, 3), 3);
    EXPECT_EQ(chunkVolume(sound), 128);
    EXPECT_EQ(Mix_FadingChannel(3), MIX_FADING_IN);
    // SDL_mixer fades out only a channel that is not silent.
    ASSERT_TRUE(eventually([] { return Mix_FadingChannel(3) == MIX_NO_FADING; }));
    EXPECT_EQ(mixer().get()->haltChannel(3, 10), 1);
    EXPECT_TRUE(eventually([&] { return !mixer().get()->isPlaying(3); }));

    EXPECT_EQ(mixer().playChannel(Sound(), 50), -1);

    // Every channel busy: the call is logged and the game goes on silently.
    mixer().get()->allocateChannels(1);
    ASSERT_EQ(mixer().playChannel(sound, 40, -1), 0);
    MediaLogCapture log;
    EXPECT_EQ(mixer().playChannel(sound, 40, 0), -1);
    std::ostringstream expected;
    expected << "MixerExtend::playChannel(" << static_cast<const void*>(sound.get())
             << ", 40, 0, -1, 0) returned an Error :";
    EXPECT_NE(log.text().find(expected.str()), std::string::npos) << log.text();
    mixer().get()->allocateChannels(8);
}

TEST_F(Audio, MusicPlaysForeverAtItsVolumeAndFadesOut) {
    writeTone("loop.wav", 4000);
    Music music("loop.wav");
    EXPECT_EQ(music.get()->getFileName(), "loop.wav");

    ASSERT_TRUE(mixer().playMusic(music, 50, -1, 0));
    EXPECT_EQ(Mix_VolumeMusic(-1), 64);
    EXPECT_TRUE(Mix_PlayingMusic());
    mixer().setMusicVolume(25);
    EXPECT_EQ(Mix_VolumeMusic(-1), 32);

    EXPECT_TRUE(mixer().haltMusic(15));
    EXPECT_TRUE(eventually([] { return Mix_PlayingMusic() == 0; }));
    EXPECT_FALSE(mixer().playMusic(Music(), 50));
}
