#include "interface/Sounds_And_Musics.hpp"

#include <string>

#include "media/Logger.hpp"
#include "media/MediaContext.hpp"
#include "media/Mixer.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::Music;
using GLINT::SDL::Sound;

Sound Interface_KeyboardFocus;
Sound Interface_MouseClick;
Sound Interface_MouseHover;
Sound SFX_DrawSword;
Sound SFX_DrinkPotion;
Sound SFX_OpenChest;
Sound SFX_OpenDropBag;
Sound SFX_DropFallen;
Sound SFX_PlayerDeathSpecial1;
Sound SFX_PlayerDeathSpecial2;
Sound SFX_HumanoidDeath;
Sound SFX_CrawlerDeath;
Sound SFX_UndeadDeathCrumble;
Sound SFX_WalkBridge;
Sound SFX_WalkEarth;
Sound SFX_WalkGrass;
Sound SFX_WalkLake;
Sound SFX_WalkMountain;
Sound SFX_WalkRiver;
Sound SFX_WalkSand;
Sound SFX_WalkSnow;
Sound SFX_WalkWay_Lava;
Sound SFX_RunBridge;
Sound SFX_RunEarth;
Sound SFX_RunGrass;
Sound SFX_RunLake;
Sound SFX_RunMountain;
Sound SFX_RunRiver;
Sound SFX_RunSand;
Sound SFX_RunSnow;
Sound SFX_RunWay_Lava;
Sound SFX_ItemBowAttack;
Sound SFX_ItemArrowMiss;
Sound SFX_ItemArrowHit;
Sound SFX_ItemSwordAttack;
Sound SFX_ItemSwordMiss;
Sound SFX_ItemSwordHumanoidHit;
Sound SFX_ItemSwordCrawlerHit;
Sound SFX_ItemSwordUndeadHit;
Sound SFX_UnarmedAttack;
Sound SFX_null;
Sound SFX_UnarmedHit;

Music mysteriousfunk;

namespace {

struct Catalogue_Entry {
    Sound* Holder;
    const char* File;
};

// Load order.
const Catalogue_Entry Catalogue[] = {
    {&Interface_KeyboardFocus, "Data/SFXs/Interface_KeyboardFocus.wav"},
    {&Interface_MouseClick, "Data/SFXs/Interface_MouseClick.wav"},
    {&Interface_MouseHover, "Data/SFXs/Interface_MouseHover.wav"},
    {&SFX_DrawSword, "Data/SFXs/SFX_DrawSword.wav"},
    {&SFX_DrinkPotion, "Data/SFXs/SFX_DrinkPotion.wav"},
    {&SFX_OpenChest, "Data/SFXs/SFX_OpenChest.wav"},
    {&SFX_OpenDropBag, "Data/SFXs/SFX_OpenDropBag.wav"},
    {&SFX_DropFallen, "Data/SFXs/SFX_DropFallen.wav"},
    {&SFX_PlayerDeathSpecial1, "Data/SFXs/SFX_PlayerDeathSpecial1.wav"},
    {&SFX_PlayerDeathSpecial2, "Data/SFXs/SFX_PlayerDeathSpecial2.wav"},
    {&SFX_HumanoidDeath, "Data/SFXs/SFX_HumanoidDeath.wav"},
    {&SFX_CrawlerDeath, "Data/SFXs/SFX_CrawlerDeath.wav"},
    {&SFX_UndeadDeathCrumble, "Data/SFXs/SFX_UndeadDeathCrumble.wav"},
    {&SFX_WalkBridge, "Data/SFXs/SFX_WalkBridge.wav"},
    {&SFX_WalkEarth, "Data/SFXs/SFX_WalkEarth.wav"},
    {&SFX_WalkGrass, "Data/SFXs/SFX_WalkGrass.wav"},
    {&SFX_WalkLake, "Data/SFXs/SFX_WalkLake.wav"},
    {&SFX_WalkMountain, "Data/SFXs/SFX_WalkMountain.wav"},
    {&SFX_WalkRiver, "Data/SFXs/SFX_WalkRiver.wav"},
    {&SFX_WalkSand, "Data/SFXs/SFX_WalkSand.wav"},
    {&SFX_WalkSnow, "Data/SFXs/SFX_WalkSnow.wav"},
    {&SFX_WalkWay_Lava, "Data/SFXs/SFX_WalkWay+Lava.wav"},
    {&SFX_RunBridge, "Data/SFXs/SFX_RunBridge.wav"},
    {&SFX_RunEarth, "Data/SFXs/SFX_RunEarth.wav"},
    {&SFX_RunGrass, "Data/SFXs/SFX_RunGrass.wav"},
    {&SFX_RunLake, "Data/SFXs/SFX_RunLake.wav"},
    {&SFX_RunMountain, "Data/SFXs/SFX_RunMountain.wav"},
    {&SFX_RunRiver, "Data/SFXs/SFX_RunRiver.wav"},
    {&SFX_RunSand, "Data/SFXs/SFX_RunSand.wav"},
    {&SFX_RunSnow, "Data/SFXs/SFX_RunSnow.wav"},
    {&SFX_RunWay_Lava, "Data/SFXs/SFX_RunWay+Lava.wav"},
    {&SFX_ItemBowAttack, "Data/SFXs/SFX_ItemBowAttack.wav"},
    {&SFX_ItemArrowMiss, "Data/SFXs/SFX_ItemArrowMiss.wav"},
    {&SFX_ItemArrowHit, "Data/SFXs/SFX_ItemArrowHit.wav"},
    {&SFX_ItemSwordAttack, "Data/SFXs/SFX_ItemSwordAttack.wav"},
    {&SFX_ItemSwordMiss, "Data/SFXs/SFX_ItemSwordMiss.wav"},
    {&SFX_ItemSwordHumanoidHit, "Data/SFXs/SFX_ItemSwordHumanoidHit.wav"},
    {&SFX_ItemSwordCrawlerHit, "Data/SFXs/SFX_ItemSwordCrawlerHit.wav"},
    {&SFX_ItemSwordUndeadHit, "Data/SFXs/SFX_ItemSwordUndeadHit.wav"},
    {&SFX_UnarmedAttack, "Data/SFXs/SFX_UnarmedAttack.wav"},
    {&SFX_null, "Data/SFXs/_null.wav"},
    {&SFX_UnarmedHit, "Data/SFXs/SFX_UnarmedHit.wav"},
};

const char* const Music_File = "Data/Musics/mysteriousfunk.mp3";

// The media layer's messages do not say which file failed; the game log does.
template <class Load> void Load_Named(const char* file, Load&& load) {
    try {
        load();
    } catch (...) {
        GLINT::SDL::GameLog.safeEntry(std::string("Unable to load ") + file);
        throw;
    }
}

GLINT::SDL::Mixer* Game_Mixer() { return GLINT::SDL::MediaContext::instance().getMixer(); }

} // namespace

void Init_Sounds_And_Musics() {
    Chain_Errors("From Init_Sounds_And_Musics(), ", "Unhandled Error In Init_Sounds_And_Musics()", [] {
        for (const Catalogue_Entry& entry : Catalogue)
            Load_Named(entry.File, [&] { *entry.Holder = Sound(entry.File, false); });
        Load_Named(Music_File, [] { mysteriousfunk = Music(Music_File); });
    });
}

void Release_Sounds_And_Musics() {
    if (GLINT::SDL::Mixer* mixer = Game_Mixer())
        mixer->haltMusic(0);
    mysteriousfunk.reset();
    // SDL_mixer stops a chunk on every channel before freeing it.
    for (const Catalogue_Entry& entry : Catalogue)
        entry.Holder->reset();
}

Sound_Category Category_Of(const Sound& holder) {
    if (&holder == &Interface_KeyboardFocus || &holder == &Interface_MouseClick ||
        &holder == &Interface_MouseHover)
        return Sound_Category::Interface;
    return Sound_Category::Effect;
}

int Sound_Volume(Sound_Category category) {
    const bool interface = category == Sound_Category::Interface;
    const bool enabled = interface ? Game_Settings::ENABLE_INTERFACE_SOUNDS : Game_Settings::ENABLE_SFXS_SOUNDS;
    if (!Game_Settings::ENABLE_ALL_SOUNDS || !enabled)
        return -1;
    const int volume = interface ? Game_Settings::INTERFACE_VOLUME : Game_Settings::SFXS_VOLUME;
    return Game_Settings::ALL_SOUNDS_VOLUME * volume / 100;
}

int Music_Volume() {
    if (!Game_Settings::ENABLE_ALL_SOUNDS || !Game_Settings::ENABLE_MUSIC_SOUNDS)
        return -1;
    return Game_Settings::MUSIC_VOLUME * Game_Settings::ALL_SOUNDS_VOLUME / 100;
}

int Play_Sound(const Sound& holder) {
    const int volume = Sound_Volume(Category_Of(holder));
    GLINT::SDL::Mixer* mixer = Game_Mixer();
    if (volume < 0 || !mixer)
        return -1;
    return mixer->playChannel(holder, volume, 0, 0, -1);
}

bool Play_Music() {
    const int volume = Music_Volume();
    GLINT::SDL::Mixer* mixer = Game_Mixer();
    if (volume < 0 || !mixer)
        return false;
    return mixer->playMusic(mysteriousfunk, volume, -1, 0);
}

const Sound* Attack_End_Sound(int attackType, int result) {
    if (result < 0 || result > 3)
        return nullptr;
    switch (attackType) {
    case 0:
        return result == 0 ? &SFX_null : &SFX_UnarmedHit;
    case 1: {
        static const Sound* const Melee[] = {&SFX_ItemSwordMiss, &SFX_ItemSwordHumanoidHit,
                                             &SFX_ItemSwordCrawlerHit, &SFX_ItemSwordUndeadHit};
        return Melee[result];
    }
    default:
        return nullptr;
    }
}
