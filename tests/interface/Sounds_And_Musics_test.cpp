#include <gtest/gtest.h>

#include <SDL/SDL_mixer.h>

#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "interface/Sounds_And_Musics.hpp"
#include "media/Audio_Fixtures.hpp"
#include "media/SoundExtend.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::Sound;

namespace {

// Every holder in load order, with its file.
const std::vector<std::pair<const Sound*, std::string>>& Table() {
    static const std::vector<std::pair<const Sound*, std::string>> table = {
        {&Interface_KeyboardFocus, "Interface_KeyboardFocus"}, {&Interface_MouseClick, "Interface_MouseClick"},
        {&Interface_MouseHover, "Interface_MouseHover"}, {&SFX_DrawSword, "SFX_DrawSword"},
        {&SFX_DrinkPotion, "SFX_DrinkPotion"}, {&SFX_OpenChest, "SFX_OpenChest"},
        {&SFX_OpenDropBag, "SFX_OpenDropBag"}, {&SFX_DropFallen, "SFX_DropFallen"},
        {&SFX_PlayerDeathSpecial1, "SFX_PlayerDeathSpecial1"}, {&SFX_PlayerDeathSpecial2, "SFX_PlayerDeathSpecial2"},
        {&SFX_HumanoidDeath, "SFX_HumanoidDeath"}, {&SFX_CrawlerDeath, "SFX_CrawlerDeath"},
        {&SFX_UndeadDeathCrumble, "SFX_UndeadDeathCrumble"}, {&SFX_WalkBridge, "SFX_WalkBridge"},
        {&SFX_WalkEarth, "SFX_WalkEarth"}, {&SFX_WalkGrass, "SFX_WalkGrass"}, {&SFX_WalkLake, "SFX_WalkLake"},
        {&SFX_WalkMountain, "SFX_WalkMountain"}, {&SFX_WalkRiver, "SFX_WalkRiver"}, {&SFX_WalkSand, "SFX_WalkSand"},
        {&SFX_WalkSnow, "SFX_WalkSnow"}, {&SFX_WalkWay_Lava, "SFX_WalkWay+Lava"}, {&SFX_RunBridge, "SFX_RunBridge"},
        {&SFX_RunEarth, "SFX_RunEarth"}, {&SFX_RunGrass, "SFX_RunGrass"}, {&SFX_RunLake, "SFX_RunLake"},
        {&SFX_RunMountain, "SFX_RunMountain"}, {&SFX_RunRiver, "SFX_RunRiver"}, {&SFX_RunSand, "SFX_RunSand"},
        {&SFX_RunSnow, "SFX_RunSnow"}, {&SFX_RunWay_Lava, "SFX_RunWay+Lava"},
        {&SFX_ItemBowAttack, "SFX_ItemBowAttack"}, {&SFX_ItemArrowMiss, "SFX_ItemArrowMiss"},
        {&SFX_ItemArrowHit, "SFX_ItemArrowHit"}, {&SFX_ItemSwordAttack, "SFX_ItemSwordAttack"},
        {&SFX_ItemSwordMiss, "SFX_ItemSwordMiss"}, {&SFX_ItemSwordHumanoidHit, "SFX_ItemSwordHumanoidHit"},
        {&SFX_ItemSwordCrawlerHit, "SFX_ItemSwordCrawlerHit"}, {&SFX_ItemSwordUndeadHit, "SFX_ItemSwordUndeadHit"},
        {&SFX_UnarmedAttack, "SFX_UnarmedAttack"}, {&SFX_null, "_null"}, {&SFX_UnarmedHit, "SFX_UnarmedHit"},
    };
    return table;
}

std::string sfxPath(const std::string& name) { return "Data/SFXs/" + name + ".wav"; }

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

    // Runs Init_Sounds_And_Musics with the game log on a captured console.
    static std::string initFailure(std::string& gameLog) {
        GLINT::SDL::GameLog.setFile(false);
        GLINT::SDL::GameLog.setConsole(true);
        std::ostringstream captured;
        std::streambuf* old = std::clog.rdbuf(captured.rdbuf());
        std::string message = "no exception";
        try {
            Init_Sounds_And_Musics();
        } catch (const std::logic_error& e) {
            message = e.what();
        }
        std::clog.rdbuf(old);
        gameLog = captured.str();
        return message;
    }
};

} // namespace

TEST_F(Catalogue, SwitchesAndVolumesDecideWhatPlaysAndHowLoud) {
    Game_Settings::ALL_SOUNDS_VOLUME = 50;
    Game_Settings::SFXS_VOLUME = 50;
    Game_Settings::INTERFACE_VOLUME = 50;
    EXPECT_EQ(Sound_Volume(Sound_Category::Effect), 25);
    Game_Settings::ALL_SOUNDS_VOLUME = 33;
    Game_Settings::SFXS_VOLUME = 33;
    EXPECT_EQ(Sound_Volume(Sound_Category::Effect), 10);

    // ENABLE_ALL_SOUNDS silences everything, whatever the category switches say.
    Game_Settings::ENABLE_ALL_SOUNDS = false;
    EXPECT_EQ(Sound_Volume(Sound_Category::Effect), -1);
    EXPECT_EQ(Sound_Volume(Sound_Category::Interface), -1);
    EXPECT_EQ(Music_Volume(), -1);

    // Each category answers only to its own switch.
    Game_Settings::ENABLE_ALL_SOUNDS = true;
    Game_Settings::ENABLE_SFXS_SOUNDS = false;
    EXPECT_EQ(Sound_Volume(Sound_Category::Effect), -1);
    EXPECT_GE(Sound_Volume(Sound_Category::Interface), 0);
    Game_Settings::ENABLE_SFXS_SOUNDS = true;
    Game_Settings::ENABLE_INTERFACE_SOUNDS = false;
    EXPECT_EQ(Sound_Volume(Sound_Category::Interface), -1);
    EXPECT_GE(Sound_Volume(Sound_Category::Effect), 0);
    Game_Settings::ENABLE_MUSIC_SOUNDS = false;
    EXPECT_EQ(Music_Volume(), -1);
    Game_Settings::ENABLE_MUSIC_SOUNDS = true;
    Game_Settings::ALL_SOUNDS_VOLUME = 80;
    Game_Settings::MUSIC_VOLUME = 70;
    EXPECT_EQ(Music_Volume(), 56);
}

TEST_F(Catalogue, OnlyTheThreeInterfaceHoldersAreInterfaceSounds) {
    int interface = 0;
    for (const auto& entry : Table())
        interface += Category_Of(*entry.first) == Sound_Category::Interface;
    EXPECT_EQ(interface, 3);
    EXPECT_EQ(Category_Of(Interface_KeyboardFocus), Sound_Category::Interface);
    EXPECT_EQ(Category_Of(Interface_MouseClick), Sound_Category::Interface);
    EXPECT_EQ(Category_Of(Interface_MouseHover), Sound_Category::Interface);
    EXPECT_EQ(Category_Of(Sound()), Sound_Category::Effect);
}

TEST_F(Catalogue, PlaySoundUsesTheCategoryVolumeOnTheRealMixer) {
    writeTone("tone.wav");
    Interface_MouseClick = Sound("tone.wav", false);
    SFX_OpenChest = Sound("tone.wav", false);

    Game_Settings::ALL_SOUNDS_VOLUME = 50;
    Game_Settings::SFXS_VOLUME = 50;
    EXPECT_GE(Play_Sound(SFX_OpenChest), 0);
    EXPECT_EQ(chunkVolume(SFX_OpenChest), 32); // 25 %

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
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(chunkVolume(Interface_MouseClick), 51); // untouched

    Game_Settings::ENABLE_ALL_SOUNDS = true;
    EXPECT_EQ(Play_Sound(SFX_DrawSword), -1); // never loaded
}

TEST_F(Catalogue, MusicPlaysOnlyWhenSwitchedOn) {
    writeTone("loop.wav", 4000);
    mysteriousfunk = GLINT::SDL::Music("loop.wav");
    Game_Settings::ENABLE_MUSIC_SOUNDS = false;
    EXPECT_FALSE(Play_Music());
    EXPECT_FALSE(Mix_PlayingMusic());

    Game_Settings::ENABLE_MUSIC_SOUNDS = true;
    Game_Settings::ALL_SOUNDS_VOLUME = 50;
    Game_Settings::MUSIC_VOLUME = 50;
    EXPECT_TRUE(Play_Music());
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(Mix_VolumeMusic(-1), 32);
}

TEST_F(Catalogue, AttackEndSoundFollowsAttackTypeAndResult) {
    EXPECT_EQ(Attack_End_Sound(0, 0), &SFX_null);
    for (int target = 1; target <= 3; ++target)
        EXPECT_EQ(Attack_End_Sound(0, target), &SFX_UnarmedHit);
    EXPECT_EQ(Attack_End_Sound(1, 0), &SFX_ItemSwordMiss);
    EXPECT_EQ(Attack_End_Sound(1, 1), &SFX_ItemSwordHumanoidHit);
    EXPECT_EQ(Attack_End_Sound(1, 2), &SFX_ItemSwordCrawlerHit);
    EXPECT_EQ(Attack_End_Sound(1, 3), &SFX_ItemSwordUndeadHit);
    for (int result = 0; result <= 3; ++result)
        EXPECT_EQ(Attack_End_Sound(2, result), nullptr);
    EXPECT_EQ(Attack_End_Sound(1, 4), nullptr);
    EXPECT_EQ(Attack_End_Sound(3, 0), nullptr);
}

TEST_F(Catalogue, InitStopsAtTheFirstMissingFileInTableOrder) {
    ASSERT_EQ(Table().size(), 42u);
    for (std::size_t i = 0; i < 5; ++i)
        writeTone(sfxPath(Table()[i].second));
    // The sixth, SFX_OpenChest, is missing; a later one is there.
    writeTone(sfxPath("SFX_UnarmedHit"));

    std::string gameLog;
    EXPECT_EQ(initFailure(gameLog), "From Init_Sounds_And_Musics(),  Unable to access the sound file !");
    EXPECT_NE(gameLog.find("Data/SFXs/SFX_OpenChest.wav"), std::string::npos) << gameLog;
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_TRUE(Table()[i].first->isLoaded()) << Table()[i].second;
    EXPECT_FALSE(SFX_OpenChest.isLoaded());
    EXPECT_FALSE(SFX_UnarmedHit.isLoaded());
}

TEST_F(Catalogue, InitLoadsTheMusicLastAndRejectsAFileThatIsNoSound) {
    for (const auto& entry : Table())
        writeTone(sfxPath(entry.second));

    // Every effect loads; the music is missing.
    std::string gameLog;
    EXPECT_EQ(initFailure(gameLog), "From Init_Sounds_And_Musics(),  Unable to open the sound file !");
    EXPECT_NE(gameLog.find("Data/Musics/mysteriousfunk.mp3"), std::string::npos) << gameLog;
    for (const auto& entry : Table())
        EXPECT_TRUE(entry.first->isLoaded()) << entry.second;
    EXPECT_FALSE(mysteriousfunk.isLoaded());

    // A placeholder that is not a sound stops the load where it stands.
    Release_Sounds_And_Musics();
    writeText(sfxPath("_null"), "");
    EXPECT_EQ(initFailure(gameLog), "From Init_Sounds_And_Musics(),  Unable to open the sound file !");
    EXPECT_NE(gameLog.find("Data/SFXs/_null.wav"), std::string::npos) << gameLog;
    EXPECT_TRUE(SFX_UnarmedAttack.isLoaded());
    EXPECT_FALSE(SFX_UnarmedHit.isLoaded());
}

TEST_F(Catalogue, InitLoadsEverythingAndReleaseEmptiesEveryHolder) {
    for (const auto& entry : Table())
        writeTone(sfxPath(entry.second));
    writeTone("Data/Musics/mysteriousfunk.mp3", 4000); // SDL_mixer tells the format by its content
    ASSERT_NO_THROW(Init_Sounds_And_Musics());
    for (const auto& entry : Table())
        EXPECT_TRUE(entry.first->isLoaded()) << entry.second;
    ASSERT_TRUE(mysteriousfunk.isLoaded());
    EXPECT_TRUE(Play_Music());
    EXPECT_GE(Play_Sound(SFX_WalkWay_Lava), 0);

    Release_Sounds_And_Musics();
    for (const auto& entry : Table())
        EXPECT_FALSE(entry.first->isLoaded()) << entry.second;
    EXPECT_FALSE(mysteriousfunk.isLoaded());
    EXPECT_FALSE(Mix_PlayingMusic());
}
