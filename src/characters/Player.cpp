#include "characters/Player.hpp"

#include <algorithm>
#include <stdexcept>

#include <SDL/SDL.h>

#include "battlefield/BF_Layer_Index.hpp"
#include "battlefield/BattleField.hpp"
#include "battlefield/BattleField_Sprite.hpp"
#include "battlefield/Terrain_Rules.hpp"
#include "characters/Character_Animation.hpp"
#include "characters/Character_Animations_Center.hpp"
#include "characters/Player_Base.hpp"
#include "data/XML_Manager.hpp"
#include "interface/Sounds_And_Musics.hpp"
#include "items/Actionables_Manager.hpp"
#include "items/Inventory.hpp"
#include "items/Weapon.hpp"
#include "media/Logger.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Clock.hpp"
#include "shell/Game_Random.hpp"
#include "shell/Game_Settings.hpp"
#include "shell/Status_Message.hpp"

using GLINT::SDL::GameLog;
using GLINT::SDL::Point;
using GLINT::SDL::Rect;

const char* const Player::Description_File = "Data/Characters/c_Player.xml";
const char* const Player::Bars_File = "Data/Interface/Player_Characteristics_Bars_TS.xml";

namespace {

// The keys of the weapon-style file, in Weapon_Style order.
const char* const Style_Keys[Player::Style_Count] = {
    "One_Handed_Sword_Animation_Center", "Two_Handed_Sword_Animation_Center", "One_Handed_Axe_Animations_Center",
    "Two_Handed_Axe_Animations_Center",  "Mace_Animations_Center",            "Flail_Animations_Center",
    "One_Handed_Hammer_Animations_Center", "Two_Handed_Hammer_Animations_Center", "Staff_Animations_Center",
    "Polearm_Animations_Center",         "Bow_Animations_Center",             "CrossBow_Animations_Center",
    "Firearm_Animations_Center"};

const int Melee_Styles = 10;

int Optional_Value(const std::string& file, const char* key) {
    return XML_Manager::Check_Node_Exists(file, key) ? XML_Manager::Get_Option_Value(file, key) : 0;
}

std::string Optional_Text(const std::string& file, const char* key) {
    return XML_Manager::Check_Node_Exists(file, key) ? XML_Manager::Get_Option_String(file, key) : std::string();
}

// Colours and bar sizes are bytes: a larger value wraps, as in the monsters' bars file.
Uint8 Byte_Option(const std::string& file, const char* key) {
    return static_cast<Uint8>(XML_Manager::Get_Option_Value(file, key));
}

struct Footsteps {
    const char* Ground;
    const GLINT::SDL::Sound* Walk;
    const GLINT::SDL::Sound* Run;
};

// Lava shares the Way's steps: the hero never sets foot on it, but its edge counts.
const Footsteps Footsteps_Table[] = {
    {"Grass", &SFX_WalkGrass, &SFX_RunGrass},       {"Way", &SFX_WalkWay_Lava, &SFX_RunWay_Lava},
    {"Lava", &SFX_WalkWay_Lava, &SFX_RunWay_Lava},  {"Bridge", &SFX_WalkBridge, &SFX_RunBridge},
    {"Earth", &SFX_WalkEarth, &SFX_RunEarth},       {"Sand", &SFX_WalkSand, &SFX_RunSand},
    {"River", &SFX_WalkRiver, &SFX_RunRiver},       {"Snow", &SFX_WalkSnow, &SFX_RunSnow},
    {"Moutain", &SFX_WalkMountain, &SFX_RunMountain}, {"Lake", &SFX_WalkLake, &SFX_RunLake},
};

} // namespace

Player::Player(BattleField& battlefield, const std::string& descriptionFile, const std::string& barsFile)
    : Battlefield(&battlefield) {
    try {
        Chain_Errors("Exception In Player Constructor : ", "Unhandled Exception In Player Constructor", [&] {
            Parse_Description_File(descriptionFile);
            Player_Sprite_Width = CH_Infos->Default_Sprite_Width;
            Player_Sprite_Height = CH_Infos->Default_Sprite_Height;
            Set_Camera_Size(Game_Settings::Current_Screen_Width, Game_Settings::Current_Screen_Height);
            Load_Bars(barsFile);
        });
    } catch (...) {
        Release_Centres();
        throw;
    }
}

Player::~Player() { Release_Centres(); }

void Player::Release_Centres() {
    // The centres play the record's sheets: they go first, the active one by
    // reference only.
    CH_Base_All_Infos& infos = *CH_Infos;
    infos.Animation_Center = nullptr;
    for (auto& centre : Style_Centers)
        centre.reset();
    infos.Secondary_Animation_Center.reset();
    infos.Primary_Animation_Center.reset();
}

// --- Description ---

void Player::Parse_Description_File(const std::string& file) {
    Chain_Errors(
        "From Player::Parse_Description_File(), ",
        "Unhandled Exception in Player::Parse_Description_File( " + file + " )", [&] {
            XML_Manager::Validate_File(file);
            CH_Base_All_Infos& infos = *CH_Infos;

            const std::string folder = XML_Manager::Get_Option_String(file, "Data_Root_Directory");
            infos.Default_Sprite_Width = XML_Manager::Get_Option_Value(file, "Default_Sprite_Width");
            infos.Default_Sprite_Height = XML_Manager::Get_Option_Value(file, "Default_Sprite_Height");
            if (infos.Default_Sprite_Width < 0 || infos.Default_Sprite_Height < 0)
                Refuse(file, "Negative Default Sprite Size");
            if (XML_Manager::Check_Node_Exists(file, "Coords")) {
                infos.X = XML_Manager::Get_Option_Value(file, "Initial_X");
                infos.Y = XML_Manager::Get_Option_Value(file, "Initial_Y");
            }
            Read_Area_And_Box(file, infos);
            infos.Collision_Rect = infos.Home_Collision_Rect();
            // Registered now, so that nothing created later can take the start position.
            Enter_Characters_Map();

            const int velocity = XML_Manager::Get_Option_Value(file, "Velocity");
            const int runVelocity = Optional_Value(file, "Run_Velocity");
            if (velocity < 0 || runVelocity < 0)
                Refuse(file, "Negative Velocity");
            const int life = XML_Manager::Get_Option_Value(file, "Life");
            const int endurance = Optional_Value(file, "Endurance");
            const int armor = XML_Manager::Get_Option_Value(file, "Armor");
            const int damage = XML_Manager::Get_Option_Value(file, "Damage");
            // The conversions know the bad word, not the file it came from.
            const int type = Name_File(
                file, [&] { return String_To_Character_Type(XML_Manager::Get_Option_String(file, "Character_Type")); });
            const int id = Name_File(
                file, [&] { return String_To_Character_ID(XML_Manager::Get_Option_String(file, "Character_ID")); });
            const int reach = std::max(((infos.CB_Width / 8) + (infos.CB_Height / 8)) / 2, velocity);
            infos.CH_Characteristics->Set_Initials(velocity, runVelocity, life, endurance, armor, damage, reach, type,
                                                   id, false);

            Define_Attack_Styles(file, folder);
        });
}

void Player::Define_Attack_Styles(const std::string& file, const std::string& folder) {
    const std::string primaryText = Optional_Text(file, "Primary_Attack_Animation_Center_Filename");
    const std::string secondaryText = Optional_Text(file, "Secondary_Attack_Animation_Center_Filename");
    Chain_Errors(
        "From Player::Define_Attack_Styles(), ",
        "Unhandled Exception in Player::Define_Attack_Styles( " + primaryText + ", " + secondaryText + " )", [&] {
            CH_Base_All_Infos& infos = *CH_Infos;
            infos.Primary_Animation_Center = Player_Base::Generate_Animation_Center(
                folder + XML_Manager::Get_Option_String(file, "Primary_Attack_Animation_Center_Filename"), folder,
                this, Battlefield);
            infos.Primary_Attack_Style =
                Weapon::Str2Weapon_Type(XML_Manager::Get_Option_String(file, "Primary_Attack_Style"));

            if (XML_Manager::Check_Node_Exists(file, "Secondary_Style")) {
                const std::string style = XML_Manager::Get_Option_String(file, "Secondary_Attack_Style");
                const std::string secondaryFile =
                    folder + XML_Manager::Get_Option_String(file, "Secondary_Attack_Animation_Center_Filename");
                if (style == "Multiple") {
                    Load_Weapon_Styles(secondaryFile, folder);
                } else {
                    infos.Secondary_Attack_Style = Weapon::Str2Weapon_Type(style);
                    infos.Secondary_Animation_Center =
                        Player_Base::Generate_Animation_Center(secondaryFile, folder, this, Battlefield);
                }
            }

            Switch_To(infos.Primary_Animation_Center.get());
            infos.Attack_Type = infos.Primary_Attack_Style;
        });
}

void Player::Load_Weapon_Styles(const std::string& stylesFile, const std::string& folder) {
    XML_Manager::Validate_File(stylesFile);
    // "Throw" and "Magic" have no sets yet.
    const bool melee = XML_Manager::Check_Node_Exists(stylesFile, "Melee");
    const bool distant = XML_Manager::Check_Node_Exists(stylesFile, "Distant");
    for (int style = 0; style < Style_Count; ++style) {
        if (!(style < Melee_Styles ? melee : distant))
            continue;
        if (!XML_Manager::Check_Node_Exists(stylesFile, Style_Keys[style]))
            continue;
        Style_Centers[static_cast<std::size_t>(style)] = Player_Base::Generate_Animation_Center(
            folder + XML_Manager::Get_Option_String(stylesFile, Style_Keys[style]), folder, this, Battlefield);
    }
}

void Player::Load_Bars(const std::string& file) {
    XML_Manager::Validate_File(file);
    bool keyed = false;
    GLINT::SDL::RGBAColor key(0, 0, 0, 255);
    if (XML_Manager::Check_Node_Exists(file, "Tileset_ColorKey")) {
        keyed = true;
        const Uint8 alpha = XML_Manager::Check_Node_Exists(file, "TS_CK_A") ? Byte_Option(file, "TS_CK_A") : 255;
        key = GLINT::SDL::RGBAColor(Byte_Option(file, "TS_CK_R"), Byte_Option(file, "TS_CK_G"),
                                    Byte_Option(file, "TS_CK_B"), alpha);
    }
    const std::string image = XML_Manager::Get_Option_String(file, "Tileset_Filename");
    Bars_Width = Byte_Option(file, "Bars_Width");
    Bars_Height = Byte_Option(file, "Bars_Height");
    for (int row = 0; row < 4; ++row)
        Bars[static_cast<std::size_t>(row)] =
            Rect(0, static_cast<Sint16>(row * Bars_Height), Bars_Width, Bars_Height);

    // The game goes on without bars rather than stop for a picture.
    try {
        Bars_Sheet = keyed ? std::make_unique<GLINT::SDL::RGBSurface>(key, image)
                           : std::make_unique<GLINT::SDL::RGBSurface>(image);
        if (SDL_GetVideoSurface())
            Bars_Sheet->convertToDisplayFormat();
    } catch (const std::exception& e) {
        Bars_Sheet.reset();
        GameLog.safeEntry("No Player Bars, " + image + " From " + file + " : " + e.what());
    }
}

// --- Terrain ---

bool Player::Check_BG_Type_Allowed(const std::string& type) {
    return ::Check_BG_Type_Allowed(Character_Kind::Player, type);
}

bool Player::Check_Env_Type_Allowed(const std::string& type) {
    return ::Check_Env_Type_Allowed(Character_Kind::Player, type);
}

// --- Sets ---

Character_Animations_Center* Player::Get_Style_Center(Weapon_Style style) const {
    if (style < 0 || style >= Style_Count)
        return nullptr;
    return Style_Centers[static_cast<std::size_t>(style)].get();
}

void Player::Switch_To(Character_Animations_Center* centre) {
    // A style the weapon-style file does not define: the hero keeps the set he has.
    if (!centre)
        return;
    CH_Base_All_Infos& infos = *CH_Infos;
    if (infos.Animation_Center)
        infos.Animation_Center->Hand_Over_To(*centre);
    infos.Animation_Center = centre;
    centre->Set_Last_Step(Game_Clock::Now());
}

void Player::Interpret_DrawnWeapon(const Item* weapon) {
    const Weapon* drawn = dynamic_cast<const Weapon*>(weapon);
    if (drawn)
        Interpret_DrawnWeapon(drawn->Get_Weapon_Type(), drawn->Get_Weapon_Subtype());
}

void Player::Interpret_DrawnWeapon(int weaponType, int subType) {
    Chain_Errors("Error in Player::Interpret_DrawnWeapon(), ", "Unhandled Error In Player::Interpret_DrawnWeapon()",
                 [&] {
                     CH_Base_All_Infos& infos = *CH_Infos;
                     infos.Attack_Type = weaponType;
                     if (weaponType == Weapon::Melee) {
                         if (subType == 1 || subType == 2)
                             Play_Sound(SFX_DrawSword);
                         if (subType >= 1 && subType <= Melee_Styles)
                             Switch_To(Style_Centers[static_cast<std::size_t>(subType - 1)].get());
                     } else if (weaponType == Weapon::Distant) {
                         if (subType >= 1 && subType <= Style_Count - Melee_Styles)
                             Switch_To(Style_Centers[static_cast<std::size_t>(Bow + subType - 1)].get());
                     }
                     const Inventory& inventory = *infos.CH_Inventory;
                     infos.CH_Characteristics->Update_Character_Attack_Infos(inventory.Get_Drawn_Damage_Min(),
                                                                             inventory.Get_Drawn_Damage_Max(),
                                                                             inventory.Get_Drawn_Range());
                     if (infos.Anim_State < 0 && infos.Animation_Center)
                         infos.Animation_Center->Stop_Animation_Play();
                 });
}

void Player::Hide_Weapon() {
    Chain_Errors("Error in Player::Hide_Weapon(), ", "Unhandled Error In Player::Hide_Weapon()", [&] {
        CH_Base_All_Infos& infos = *CH_Infos;
        Inventory& inventory = *infos.CH_Inventory;
        inventory.Hide_Weapon();
        infos.Attack_Type = Weapon::Unarmed;
        Switch_To(infos.Primary_Animation_Center.get());
        infos.CH_Characteristics->Update_Character_Attack_Infos(
            inventory.Get_Drawn_Damage_Min(), inventory.Get_Drawn_Damage_Max(), inventory.Get_Drawn_Range());
        if (infos.Anim_State < 0 && infos.Animation_Center)
            infos.Animation_Center->Stop_Animation_Play();
    });
}

void Player::Drink_Potion_1() {
    Chain_Errors("Error in Player::Drink_Potion_1(), ", "Unhandled Error In Player::Drink_Potion_1()", [&] {
        if (!CH_Infos->CH_Inventory)
            throw std::logic_error("Player's Inventory Not Set !!");
        CH_Infos->CH_Inventory->Use_Healing_Potion();
    });
}

void Player::Action() {
    Chain_Errors("Error in Player::Action(), ", "Unhandled Error In Player::Action()", [&] {
        CH_Base_All_Infos& infos = *CH_Infos;
        if (!infos.Actionables)
            throw std::logic_error("Player's Actionables_Manager Not Set !!");
        Inventory* inventory = infos.CH_Inventory.get();
        infos.Actionables->Get_Drop(infos.Collision_Rect, &inventory);
    });
}

// --- Steering ---

bool Player::Can_Act() const {
    const CH_Base_All_Infos& infos = *CH_Infos;
    return infos.Life_State == 1 && infos.Hit_State == 0 && infos.Attack_State == 0;
}

void Player::Start_Attack() {
    const Character_Animations_Center* centre = CH_Infos->Animation_Center;
    if (centre && centre->Get_Attack())
        Attack();
}

void Player::Behavior(BattleField&) {
    Chain_Errors("From Player::Behavior(), ", "Unhandled Error In Player::Behavior()", [&] {
        CH_Base_All_Infos& infos = *CH_Infos;
        Character_Animations_Center* centre = infos.Animation_Center;
        if (!centre)
            return;
        Characteristics& stats = *infos.CH_Characteristics;

        if (infos.Life_State != 1) {
            if (infos.Life_State == 0)
                centre->Death_Animation_Play();
            else if (infos.Life_State == -1)
                centre->Death_Animation_Callback();
            return;
        }
        // A set without a hit or attack sheet shows neither: the blow lands
        // (or is dealt) without a picture rather than the hero freezing.
        if (infos.Hit_State == 2) {
            if (infos.Attack_State < 1 && centre->Get_Hit())
                centre->Hit_Animation_Play();
            else
                infos.Hit_State = 0;
            return;
        }
        if (infos.Hit_State == 1) {
            if (centre->Get_Hit()) {
                centre->Hit_Animation_Callback();
            } else {
                infos.Hit_State = 0;
                centre->Stop_Animation_Play();
            }
            return;
        }
        if (infos.Attack_State == 2) {
            if (centre->Get_Attack()) {
                centre->Attack_Animation_Callback();
            } else {
                Attack_Reset();
                centre->Stop_Animation_Play();
            }
            return;
        }
        if (infos.Attack_State == 1)
            return;

        const bool still = stats.Vector_X == 0.0f && stats.Vector_Y == 0.0f;
        // Running needs a run sheet; without one the hero walks.
        if (stats.Running && !centre->Get_Run())
            stats.Running = false;
        const Character_Animation* movement = stats.Running ? centre->Get_Run() : centre->Get_Walk();

        if (infos.Anim_State <= 0) {
            if (infos.Anim_State == 0 && still) {
                centre->Stop_Animation_Play();
            } else if (still) {
                if (Game_Clock::Now() - centre->Get_Last_Step() > Game_Settings::PAUSE_ANIM_TIME * 1000u &&
                    infos.Anim_State == -1) {
                    infos.Anim_State = -2;
                    centre->Pause_Animation_Play();
                } else if (infos.Anim_State == -3) {
                    centre->Pause_Animation_Callback();
                }
            } else if (movement) {
                infos.Anim_State = 2;
                if (stats.Running)
                    centre->Run_Animation_Play();
                else
                    centre->Walk_Animation_Play();
            }
            return;
        }

        if (infos.Anim_State == 1) {
            if (!movement) {
                centre->Stop_Animation_Play();
            } else if (infos.Current_Sheet == movement->Sheet) {
                if (stats.Running)
                    centre->Run_Animation_Callback();
                else
                    centre->Walk_Animation_Callback();
            } else if (stats.Running) {
                centre->Run_Animation_Play();
            } else {
                centre->Walk_Animation_Play();
            }
        }
    });
}

// --- Camera ---

void Player::Set_Camera_Size(int width, int height) {
    Camera.setw(static_cast<Uint16>(std::max(0, width)));
    Camera.seth(static_cast<Uint16>(std::max(0, height)));
}

void Player::Set_Following_Camera() {
    Chain_Errors("Error In Player::Set_Following_Camera() : ", "Unhandled Error In Player::Set_Following_Camera()",
                 [&] {
                     const CH_Base_All_Infos& infos = *CH_Infos;
                     // The lower bound first: a field narrower than the screen
                     // leaves the camera left of (or above) it, centred on nothing.
                     const int x = std::min(std::max(infos.X + infos.Default_Sprite_Width / 2 -
                                                         Game_Settings::Current_Screen_Width / 2,
                                                     0),
                                            BF_Width - Camera.getw());
                     const int y = std::min(std::max(infos.Y + infos.Default_Sprite_Height / 2 -
                                                         Game_Settings::Current_Screen_Height / 2,
                                                     0),
                                            BF_Height - Camera.geth());
                     Camera.setx(static_cast<Sint16>(x));
                     Camera.sety(static_cast<Sint16>(y));
                 });
}

// --- Sounds and messages ---

const GLINT::SDL::Sound* Player::Footstep_Sound(const std::string& groundType, bool running) {
    for (const Footsteps& steps : Footsteps_Table)
        if (groundType == steps.Ground)
            return running ? steps.Run : steps.Walk;
    return nullptr;
}

std::string Player::Ground_Type_Under(const BattleField& battlefield, const Rect& area) {
    // The index answers the first ground sprite in layer order whose box
    // shares a pixel with the area, as a walk over the layer would.
    const BF_Layer_Index& ground = battlefield.Get_BG_Index();
    const int first = ground.Next(area, -1);
    if (first >= 0)
        return ground.Get_Cell(first).Sprite->Get_Type();
    const BF_Sprite_Mapping& mapping = battlefield.Get_BG_Mapping();
    const auto fallback = mapping.find(battlefield.Get_Default_BG_Id());
    if (fallback != mapping.end() && fallback->second && !fallback->second->Get_Type().empty())
        return fallback->second->Get_Type();
    throw std::logic_error("BG Type could not be found");
}

int Player::Movement_Sound(BattleField& battlefield, bool running) {
    return Chain_Errors("From Player::Movement_Sound(), ", "Unhandled Error In Player::Movement_Sound()", [&] {
        if (Sound_Volume(Sound_Category::Effect) < 0)
            return 0;
        const GLINT::SDL::Sound* steps =
            Footstep_Sound(Ground_Type_Under(battlefield, CH_Infos->Collision_Rect), running);
        if (!steps) {
            GameLog.safeEntry("From Player::Movement_Sound(), No Sound for this BG Type");
            return 0;
        }
        Play_Sound(*steps);
        return 0;
    });
}

void Player::Attack_PlayBeginningSounds() {
    Chain_Errors("From Player::Attack_PlayBeginningSounds(), ",
                 "Unhandled Error In Player::Attack_PlayBeginningSounds()", [&] {
                     switch (CH_Infos->Attack_Type) {
                     case Weapon::Unarmed:
                         Play_Sound(SFX_UnarmedAttack);
                         break;
                     case Weapon::Melee:
                         Play_Sound(SFX_ItemSwordAttack);
                         break;
                     case Weapon::Distant:
                         Play_Sound(SFX_ItemBowAttack);
                         break;
                     default:
                         break;
                     }
                 });
}

void Player::Attack_PlayEndSounds() {
    Chain_Errors("From Player::Attack_PlayEndSounds(), ", "Unhandled Error In Player::Attack_PlayEndSounds()", [&] {
        if (const GLINT::SDL::Sound* sound = Attack_End_Sound(CH_Infos->Attack_Type, CH_Infos->Attack_Result))
            Play_Sound(*sound);
    });
}

void Player::Set_Attack_Msg() {
    Chain_Errors("Error In Player::Set_Attack_Msg() : ", "Unhandled Error In Player::Set_Attack_Msg()", [&] {
        static const char* const Kinds[] = {"Unarmed", "Melee", "Distant"};
        static const char* const Victims[] = {"Humanoid", "Crawler", "Undead"};
        const int type = CH_Infos->Attack_Type;
        if (type < Weapon::Unarmed || type > Weapon::Distant)
            throw std::logic_error("Unhandled Current_Attack_Type");
        const std::string kind = Kinds[type];
        const int result = CH_Infos->Attack_Result;
        if (result == 0) {
            Status_Message::Set(" " + kind + " Miss ");
            GameLog.safeEntry(">>> " + kind + " Miss <<< ");
            return;
        }
        Status_Message::Set(" " + kind + " Hit ");
        if (result >= Humanoid_ID && result <= Undead_ID)
            GameLog.safeEntry(std::string(">>> ") + Victims[result - 1] + " Hit <<< ");
    });
}

// --- Drawing ---

void Player::Show(const Rect& camera, GLINT::SDL::BaseSurface& target) {
    Chain_Errors("From Player::Show(), ", "Unhandled Error In Player::Show()", [&] {
        CH_Base_All_Infos& infos = *CH_Infos;
        if (infos.Life_State != -2) {
            Character_Base::Show(camera, target);
            return;
        }
        // The engine stops drawing the player in state 7, so the cry is heard once.
        Game_Settings::GLOBAL_GAME_STATE = 7;
        Play_Sound(Game_Random::Draw() % 2 == 0 ? SFX_PlayerDeathSpecial1 : SFX_PlayerDeathSpecial2);
        infos.CH_Inventory->Show_Launched_Projectile(camera, target);
    });
}

int Player::Fill_Width(int width, int value, int maximum) {
    if (maximum <= 0 || value <= 0 || width <= 0)
        return 0;
    if (value >= maximum)
        return width;
    return static_cast<int>(static_cast<unsigned>(width) * static_cast<unsigned>(value) /
                            static_cast<unsigned>(maximum));
}

const Rect& Player::Get_Bar(int row) const { return Bars.at(static_cast<std::size_t>(row)); }

void Player::Show_Characteristics_Bars(GLINT::SDL::BaseSurface& target) {
    Chain_Errors("Error in Player::Show_Characteristics_Bars(), ",
                 "Unhandled Error In Player::Show_Characteristics_Bars()", [&] {
                     const Characteristics& stats = *CH_Infos->CH_Characteristics;
                     if (!Bars_Sheet || stats.Life <= 0)
                         return;
                     const int height = Bars_Height;
                     auto bar = [&](int row, int y, int value, int maximum) {
                         target.blit(*Bars_Sheet, Point(0, static_cast<Sint16>(y)), Bars[0]);
                         Rect fill = Bars[static_cast<std::size_t>(row)];
                         fill.setw(static_cast<Uint16>(Fill_Width(Bars_Width, value, maximum)));
                         if (fill.getw() > 0)
                             target.blit(*Bars_Sheet, Point(0, static_cast<Sint16>(y)), fill);
                     };
                     bar(1, 0, stats.Life, stats.Max_Life);
                     target.blit(*Bars_Sheet, Point(0, static_cast<Sint16>(height)), Bars[2]);
                     bar(3, 2 * height, stats.Endurance, stats.Max_Endurance);
                 });
}
