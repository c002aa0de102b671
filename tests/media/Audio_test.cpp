#include <gtest/gtest.h>

#include <SDL/SDL_mixer.h>

#include <chrono>
#include <sstream>
#include <string>
#include <thread>

#include "media/Audio_Fixtures.hpp"
#include "media/MixerIf.hpp"
#include "media/Music.hpp"
#include "media/Sound.hpp"

using namespace GLINT::SDL;

namespace {

using Audio = Audio_Folder;

// Waits up to a second for SDL_mixer's thread to reach a state.
template <class Check> bool eventually(Check check) {
    for (int i = 0; i < 100 && !check(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return check();
}

} // namespace

TEST_F(Audio, TheDeviceIsOpenedAsAskedAndASoundWithEveryChannelBusyIsLoggedNotPlayed) {
    EXPECT_EQ(mixer().get()->getFrequency(), 44100);
    EXPECT_EQ(mixer().get()->getChannels(), 1);
    writeTone("tone.wav", 22050);
    Sound sound("tone.wav", false);
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

TEST_F(Audio, TheMusicPlayingTakesANewVolumeAndFadesOutWhenHalted) {
    writeTone("loop.wav", 4000);
    Music music("loop.wav");
    ASSERT_TRUE(mixer().playMusic(music, 50, -1, 0));
    mixer().setMusicVolume(25);
    EXPECT_EQ(Mix_VolumeMusic(-1), 32);
    EXPECT_TRUE(mixer().haltMusic(15));
    EXPECT_TRUE(eventually([] { return Mix_PlayingMusic() == 0; }));
}
