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
    EXPECT_EQ(MixerIf::toMixerVolume(0), 0);
    EXPECT_EQ(MixerIf::toMixerVolume(1), 1);
    EXPECT_EQ(MixerIf::toMixerVolume(25), 32);
    EXPECT_EQ(MixerIf::toMixerVolume(50), 64);
    EXPECT_EQ(MixerIf::toMixerVolume(99), 126);
    EXPECT_EQ(MixerIf::toMixerVolume(100), 128);
    // Out of range stays within SDL_mixer's scale: a negative one would only query it.
    EXPECT_EQ(MixerIf::toMixerVolume(-5), 0);
    EXPECT_EQ(MixerIf::toMixerVolume(150), 128);
}

TEST_F(Audio, MixerOpensTheDeviceAsAskedAndReportsWhatItGot) {
    MixerIf* impl = mixer().get();
    ASSERT_NE(impl, nullptr);
    EXPECT_TRUE(impl->isUsable());
    EXPECT_GE(impl->getOpenedDevices(), 1);
    EXPECT_EQ(impl->getFrequency(), 44100);
    EXPECT_EQ(impl->getChannels(), 1);
    EXPECT_EQ(impl->getFormat(), AUDIO_S16SYS);
    EXPECT_EQ(impl->getDriverName(), std::getenv("SDL_AUDIODRIVER"));
}

TEST_F(Audio, MissingFileStopsAtTheStreamAndNonSoundAtTheDecoder) {
    writeText("notes.wav", "this is not a sound\n");

    std::uintmax_t mark = mediaLogMark();
    EXPECT_EQ(messageOf(makeSound, "absent.wav"), " Unable to access the sound file !");
    std::string log = mediaLogSince(mark);
    EXPECT_NE(log.find("Exception caught in SoundIf::SoundIf()"), std::string::npos) << log;
    EXPECT_NE(log.find("absent.wav"), std::string::npos) << log;
    EXPECT_EQ(log.find("SoundExtend"), std::string::npos) << log;

    mark = mediaLogMark();
    EXPECT_EQ(messageOf(makeSound, "notes.wav"), " Unable to open the sound file !");
    log = mediaLogSince(mark);
    EXPECT_NE(log.find("Exception caught in SoundExtend::SoundExtend()"), std::string::npos) << log;
    EXPECT_EQ(log.find("SoundIf::SoundIf()"), std::string::npos) << log;

    mark = mediaLogMark();
    EXPECT_EQ(messageOf(makeMusic, "absent.mp3"), " Unable to open the sound file !");
    EXPECT_EQ(messageOf(makeMusic, "notes.wav"), " Unable to open the sound file !");
    EXPECT_NE(mediaLogSince(mark).find("Exception caught in MusicExtend::MusicExtend()"), std::string::npos);
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
}

TEST_F(Audio, EveryChannelBusyLogsTheCallAndGoesOnSilently) {
    writeTone("tone.wav");
    Sound sound("tone.wav", false);
    mixer().get()->allocateChannels(1);
    ASSERT_EQ(mixer().playChannel(sound, 40, -1), 0);

    const std::uintmax_t mark = mediaLogMark();
    EXPECT_EQ(mixer().playChannel(sound, 40, 0), -1);
    const std::string log = mediaLogSince(mark);
    std::ostringstream expected;
    expected << "MixerExtend::playChannel(" << static_cast<const void*>(sound.get())
             << ", 40, 0, -1, 0) returned an Error :";
    EXPECT_NE(log.find(expected.str()), std::string::npos) << log;

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

TEST_F(Audio, InitAudioAgainReplacesTheMixer) {
    MediaContext& media = MediaContext::instance();
    const int opened = mixer().get()->getOpenedDevices();
    ASSERT_TRUE(media.InitAudio(22050, 2, 1024));
    EXPECT_EQ(mixer().get()->getFrequency(), 22050);
    EXPECT_EQ(mixer().get()->getChannels(), 2);
    EXPECT_EQ(mixer().get()->getOpenedDevices(), opened); // the old device was closed first
    ASSERT_TRUE(media.InitAudio(44100, 1, 2048));
}
