#pragma once

#include "media/Music.hpp"
#include "media/Sound.hpp"

// The game's fixed catalogue of sound effects and its one piece of music.
// Each holder is named after its file under Data/SFXs/ or Data/Musics/; it is
// empty until Init_Sounds_And_Musics and again after Release_Sounds_And_Musics.
// Play them only through Play_Sound and Play_Music, which apply the player's
// switches and volumes.

// Interface
extern GLINT::SDL::Sound Interface_KeyboardFocus;
extern GLINT::SDL::Sound Interface_MouseClick;
extern GLINT::SDL::Sound Interface_MouseHover;

// Player, items and actionables
extern GLINT::SDL::Sound SFX_DrawSword;
extern GLINT::SDL::Sound SFX_DrinkPotion;
extern GLINT::SDL::Sound SFX_OpenChest;
extern GLINT::SDL::Sound SFX_OpenDropBag;
extern GLINT::SDL::Sound SFX_DropFallen;
extern GLINT::SDL::Sound SFX_PlayerDeathSpecial1;
extern GLINT::SDL::Sound SFX_PlayerDeathSpecial2;

// Deaths by Character_IDs
extern GLINT::SDL::Sound SFX_HumanoidDeath;
extern GLINT::SDL::Sound SFX_CrawlerDeath;
extern GLINT::SDL::Sound SFX_UndeadDeathCrumble;

// Steps by terrain; SFX_WalkWay+Lava.wav and SFX_RunWay+Lava.wav serve both Way and Lava.
extern GLINT::SDL::Sound SFX_WalkBridge;
extern GLINT::SDL::Sound SFX_WalkEarth;
extern GLINT::SDL::Sound SFX_WalkGrass;
extern GLINT::SDL::Sound SFX_WalkLake;
extern GLINT::SDL::Sound SFX_WalkMountain;
extern GLINT::SDL::Sound SFX_WalkRiver;
extern GLINT::SDL::Sound SFX_WalkSand;
extern GLINT::SDL::Sound SFX_WalkSnow;
extern GLINT::SDL::Sound SFX_WalkWay_Lava;
extern GLINT::SDL::Sound SFX_RunBridge;
extern GLINT::SDL::Sound SFX_RunEarth;
extern GLINT::SDL::Sound SFX_RunGrass;
extern GLINT::SDL::Sound SFX_RunLake;
extern GLINT::SDL::Sound SFX_RunMountain;
extern GLINT::SDL::Sound SFX_RunRiver;
extern GLINT::SDL::Sound SFX_RunSand;
extern GLINT::SDL::Sound SFX_RunSnow;
extern GLINT::SDL::Sound SFX_RunWay_Lava;

// Attacks
extern GLINT::SDL::Sound SFX_ItemBowAttack;
extern GLINT::SDL::Sound SFX_ItemArrowMiss;
extern GLINT::SDL::Sound SFX_ItemArrowHit;
extern GLINT::SDL::Sound SFX_ItemSwordAttack;
extern GLINT::SDL::Sound SFX_ItemSwordMiss;
extern GLINT::SDL::Sound SFX_ItemSwordHumanoidHit;
extern GLINT::SDL::Sound SFX_ItemSwordCrawlerHit;
extern GLINT::SDL::Sound SFX_ItemSwordUndeadHit;
extern GLINT::SDL::Sound SFX_UnarmedAttack;
extern GLINT::SDL::Sound SFX_null; // _null.wav, the silent unarmed miss
extern GLINT::SDL::Sound SFX_UnarmedHit;

// Background music, looped forever.
extern GLINT::SDL::Music mysteriousfunk;

// Loads every holder from its file, the music last. Throws std::logic_error
// "From Init_Sounds_And_Musics(), " + the media layer's message; the game log
// names the file that failed.
void Init_Sounds_And_Musics();

// Frees every sound and the music; call it before the mixer closes.
void Release_Sounds_And_Musics();

// Which switch and volume of Config.ini a catalogue sound answers to.
enum class Sound_Category { Interface, Effect };

// The three Interface_* holders are interface sounds, every other one an effect.
Sound_Category Category_Of(const GLINT::SDL::Sound& holder);

// The volume (0-100) a sound of that category plays at now, or -1 when
// ENABLE_ALL_SOUNDS or the category's own switch is off.
int Sound_Volume(Sound_Category category);

// The music's volume (0-100) now, or -1 when it is switched off.
int Music_Volume();

// Plays a catalogue sound once on the first free channel, under the player's
// settings. Returns the channel used, or -1 when nothing plays (switched off,
// no audio, holder empty, or every channel busy).
int Play_Sound(const GLINT::SDL::Sound& holder);

// Starts the music from the beginning, repeated forever; false when it does not play.
bool Play_Music();

// The sound closing an attack: attackType 0 unarmed, 1 melee, 2 distant;
// result 0 for a miss, else the Character_IDs value of the character hit.
// Null when the attack has none (distant attacks, unknown values).
const GLINT::SDL::Sound* Attack_End_Sound(int attackType, int result);
