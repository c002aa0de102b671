#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <sstream>
#include <stdexcept>
#include <string>

#include "Log_Capture.hpp"
#include "Shipped_World.hpp"
#include "interface/Sounds_And_Musics.hpp"
#include "media/Audio_Fixtures.hpp"
#include "media/SoundExtend.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::Sound;

namespace {

class Catalogue : public Audio_Folder {
protected:
    void SetUp() override {
        Audio_Folder::SetUp();
        Game_Settings::Reset();
    }
    void TearDown() override {
        Release_Sounds_And_Musics();
        Game_Settings::Reset();
        Audio_Folder::TearDown();
    }

    static int chunkVolume(const Sound& sound) {
        return Mix_VolumeChunk(static_cast<GLINT::SDL::SoundExtend*>(sound.get())->getChunk(), -1);
    }

    // Runs Init_Sounds_And_Musics; its error, and what the game log said meanwhile.
    static std::string initFailure(std::string& gameLog) {
        Log_Capture log;
        std::string message = "no exception";
        try {
            Init_Sounds_And_Musics();
        } catch (const std::logic_error& e) {
            message = e.what();
        }
        gameLog = log.str();
        return message;
    }
};

} // namespace

TEST_F(Catalogue, SwitchesAndVolumesDecideHowLoud) {
    using S = Game_Settings;
    const struct {
        bool all, sfx, interface, music;
        int all_volume, sfx_volume, interface_volume, music_volume;
        int effect, blip, tune; // -1: silent
    } cases[] = {
        {true, true, true, true, 33, 33, 40, 70, 10, 13, 23},
        {true, true, true, true, 80, 10, 20, 70, 8, 16, 56},
        {false, true, true, true, 50, 50, 50, 50, -1, -1, -1}, // whatever the category switches say
        {true, false, true, true, 50, 50, 50, 50, -1, 25, 25}, // each category answers to its own switch
        {true, true, false, true, 50, 50, 50, 50, 25, -1, 25},
        {true, true, true, false, 50, 50, 50, 50, 25, 25, -1},
    };
    for (const auto& c : cases) {
        S::ENABLE_ALL_SOUNDS = c.all;
        S::ENABLE_SFXS_SOUNDS = c.sfx;
        S::ENABLE_INTERFACE_SOUNDS = c.interface;
        S::ENABLE_MUSIC_SOUNDS = c.music;
        S::ALL_SOUNDS_VOLUME = c.all_volume;
        S::SFXS_VOLUME = c.sfx_volume;
        S::INTERFACE_VOLUME = c.interface_volume;
        S::MUSIC_VOLUME = c.music_volume;
        EXPECT_EQ(Sound_Volume(Sound_Category::Effect), c.effect) << &c - cases;
        EXPECT_EQ(Sound_Volume(Sound_Category::Interface), c.blip) << &c - cases;
        EXPECT_EQ(Music_Volume(), c.tune) << &c - cases;
    }
}

TEST_F(Catalogue, OnlyTheThreeInterfaceHoldersAreInterfaceSounds) {
    for (const Sound* interface : {&Interface_KeyboardFocus, &Interface_MouseClick, &Interface_MouseHover})
        EXPECT_EQ(Category_Of(*interface), Sound_Category::Interface);
    for (const Sound* effect : {&SFX_DrawSword, &SFX_WalkGrass, &SFX_null, &SFX_UnarmedHit})
        EXPECT_EQ(Category_Of(*effect), Sound_Category::Effect);
}

TEST_F(Catalogue, PlaySoundUsesTheCategoryVolumeOnTheRealMixerAndSkipsASoundWithNoChannelFree) {
    writeTone("tone.wav");
    Interface_MouseClick = Sound("tone.wav", false);
    SFX_OpenChest = Sound("tone.wav", false);

    // Interface sounds follow INTERFACE_VOLUME, never SFXS_VOLUME.
    Game_Settings::ALL_SOUNDS_VOLUME = 100;
    Game_Settings::INTERFACE_VOLUME = 40;
    Game_Settings::SFXS_VOLUME = 70;
    EXPECT_GE(Play_Sound(Interface_MouseClick), 0);
    EXPECT_EQ(chunkVolume(Interface_MouseClick), 51);
    EXPECT_GE(Play_Sound(SFX_OpenChest), 0);
    EXPECT_EQ(chunkVolume(SFX_OpenChest), 89);

    Mix_HaltChannel(-1);
    Game_Settings::ENABLE_ALL_SOUNDS = false;
    Game_Settings::INTERFACE_VOLUME = 10;
    EXPECT_EQ(Play_Sound(Interface_MouseClick), -1);
    EXPECT_EQ(Play_Sound(SFX_OpenChest), -1);

    Game_Settings::ENABLE_ALL_SOUNDS = true;
    EXPECT_EQ(Play_Sound(SFX_DrawSword), -1); // never loaded

    // Every channel busy: the sound is logged and the game goes on without it.
    writeTone("long.wav", 22050);
    SFX_DrawSword = Sound("long.wav", false);
    Mix_AllocateChannels(1);
    EXPECT_EQ(Play_Sound(SFX_DrawSword), 0);
    MediaLogCapture log;
    EXPECT_EQ(Play_Sound(SFX_DrawSword), -1);
    Mix_AllocateChannels(8);
    std::ostringstream expected;
    expected << "MixerExtend::playChannel(" << static_cast<const void*>(SFX_DrawSword.get())
             << ", 70, 0, -1, 0) returned an Error :";
    EXPECT_NE(log.text().find(expected.str()), std::string::npos) << log.text();
}

TEST_F(Catalogue, MusicPlaysOnlyWhenSwitchedOnAndFollowsTheOptions) {
    writeTone("loop.wav", 4000);
    mysteriousfunk = GLINT::SDL::Music("loop.wav");
    Game_Settings::ENABLE_MUSIC_SOUNDS = false;
    EXPECT_FALSE(Play_Music());
    EXPECT_FALSE(Mix_PlayingMusic());

    Game_Settings::ENABLE_MUSIC_SOUNDS = true;
    Game_Settings::ALL_SOUNDS_VOLUME = 50;
    Game_Settings::MUSIC_VOLUME = 50;
    EXPECT_TRUE(Play_Music());
    EXPECT_EQ(Mix_VolumeMusic(-1), 32);
    // The options change the volume of the music playing, and stop it with a fade.
    mixer().setMusicVolume(100);
    EXPECT_EQ(Mix_VolumeMusic(-1), 128);
    EXPECT_TRUE(mixer().haltMusic(15));
    for (int i = 0; i < 100 && Mix_PlayingMusic(); ++i)
        SDL_Delay(10);
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(Catalogue, AttackEndSoundFollowsAttackTypeAndResult) {
    const Sound* const Hit = &SFX_UnarmedHit;
    const Sound* const expected[4][6] = {
        // attack type 0 to 3, result -1 to 4
        {nullptr, &SFX_null, Hit, Hit, Hit, nullptr},
        {nullptr, &SFX_ItemSwordMiss, &SFX_ItemSwordHumanoidHit, &SFX_ItemSwordCrawlerHit, &SFX_ItemSwordUndeadHit,
         nullptr},
        {}, {}};
    for (int type = 0; type < 4; ++type)
        for (int result = -1; result <= 4; ++result)
            EXPECT_EQ(Attack_End_Sound(type, result), expected[type][result + 1]) << type << ", " << result;
}

// The load stops at the first file missing or no sound, the game log naming it.
TEST_F(Catalogue, InitStopsAtAFileMissingOrNoSoundAndTheGameLogNamesIt) {
    const struct {
        const char* folder;
        const char* file;
        bool placeholder; // there, but empty
        const char* error;
        const Sound *loaded, *not_loaded;
    } cases[] = {
        {"SFXs", "SFX_OpenChest.wav", false, "Unable to access the sound file !", &SFX_DrinkPotion, &SFX_OpenChest},
        {"SFXs", "_null.wav", true, "Unable to open the sound file !", &SFX_UnarmedAttack, &SFX_UnarmedHit},
        {"Musics", "mysteriousfunk.mp3", false, "Unable to open the sound file !", &SFX_UnarmedHit, nullptr},
    };
    for (const auto& c : cases) {
        test_files::Temporary_Folder fresh;
        test_files::Link_Shipped_Data(c.folder, c.file);
        const std::string path = std::string("Data/") + c.folder + "/" + c.file;
        if (c.placeholder)
            test_files::Write(path, "");
        std::string gameLog;
        EXPECT_EQ(initFailure(gameLog), std::string("From Init_Sounds_And_Musics(),  ") + c.error) << path;
        EXPECT_NE(gameLog.find(path), std::string::npos) << gameLog;
        EXPECT_TRUE(c.loaded->isLoaded()) << path;
        EXPECT_FALSE(c.not_loaded && c.not_loaded->isLoaded()) << path;
        EXPECT_FALSE(mysteriousfunk.isLoaded()) << path;
        Release_Sounds_And_Musics();
    }
}

TEST_F(Catalogue, TheShippedSoundsLoadAndPlayAndReleaseEmptiesThem) {
    test_files::Link_Shipped_Data();
    ASSERT_NO_THROW(Init_Sounds_And_Musics());
    EXPECT_TRUE(Play_Music());
    EXPECT_GE(Play_Sound(SFX_WalkWay_Lava), 0);
    Release_Sounds_And_Musics();
    EXPECT_FALSE(SFX_WalkWay_Lava.isLoaded());
    EXPECT_FALSE(mysteriousfunk.isLoaded());
    EXPECT_FALSE(Mix_PlayingMusic());
}
