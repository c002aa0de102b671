#pragma once

#include <array>
#include <memory>
#include <string>

#include <SDL/SDL_types.h>

#include "characters/Character_Base.hpp"
#include "media/BaseSurface.hpp"
#include "media/RGBSurface.hpp"
#include "media/Rect.hpp"
#include "media/Sound.hpp"

class BattleField;
class Character_Animations_Center;
class Item;

// The hero. Steered by the input handlers instead of the AI; owns the camera
// the field is drawn through, one animation set per weapon style (switched
// as weapons are drawn and put away) and the life and endurance bars. Plays
// footsteps by terrain and attack sounds, writes hit and miss messages, and
// ends the game when it dies.
class Player : public Character_Base {
public:
    static const char* const Description_File;
    static const char* const Bars_File;

    // One set per weapon style, in the order of the weapon subtypes: melee
    // 1 to 10, then distant 1 to 3.
    enum Weapon_Style {
        One_Handed_Sword,
        Two_Handed_Sword,
        One_Handed_Axe,
        Two_Handed_Axe,
        Mace,
        Flail,
        One_Handed_Hammer,
        Two_Handed_Hammer,
        Staff,
        Polearm,
        Bow,
        CrossBow,
        Firearm,
        Style_Count
    };

    // Reads the description and bars files; the player enters Characters_Map
    // at its start position and the camera takes the current screen size.
    explicit Player(BattleField& battlefield, const std::string& descriptionFile = Description_File,
                    const std::string& barsFile = Bars_File);
    ~Player() override;

    bool Check_BG_Type_Allowed(const std::string& type) override;
    bool Check_Env_Type_Allowed(const std::string& type) override;
    void Attack_PlayBeginningSounds() override;
    void Attack_PlayEndSounds() override;
    // The status line and a log line on the blow just ended.
    void Set_Attack_Msg() override;
    // Centres the camera on the player, kept inside the field.
    void Set_Following_Camera() override;
    // One frame: dying, being hit, attacking, or walking and running as the
    // input's movement vector says.
    void Behavior(BattleField& battlefield) override;
    // Footsteps for the ground under the player.
    int Movement_Sound(BattleField& battlefield, bool running) override;
    // A dead player ends the game (state 7) with a death cry.
    void Show(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) override;

    // Life and endurance in the screen's top-left corner.
    void Show_Characteristics_Bars(GLINT::SDL::BaseSurface& target);
    // The weapon just drawn from the inventory (null: nothing happens) sets
    // the attack type, the animation set and the attack bonuses.
    void Interpret_DrawnWeapon(const Item* weapon);
    void Interpret_DrawnWeapon(int weaponType, int subType);
    void Hide_Weapon();
    void Drink_Potion_1();
    // Opens or empties the chest or bag the player stands at.
    void Action();

    // Alive, and neither hit nor attacking: the input may steer.
    bool Can_Act() const;
    // Character_Base::Attack, unless the active set has no attack sheet to show it.
    void Start_Attack();

    const GLINT::SDL::Rect& Get_Camera() const { return Camera; }
    void Set_Camera_Size(int width, int height);
    Character_Animations_Center* Get_Style_Center(Weapon_Style style) const;
    const GLINT::SDL::Rect& Get_Bar(int row) const;

    // The filled part of a bar of width pixels for value out of maximum:
    // empty for a maximum of 0, never wider than the bar nor below 0.
    static int Fill_Width(int width, int value, int maximum);
    // The footsteps on a ground type; null for a type that has none.
    static const GLINT::SDL::Sound* Footstep_Sound(const std::string& groundType, bool running);
    // The type of the first ground sprite under area, else the default ground's.
    static std::string Ground_Type_Under(const BattleField& battlefield, const GLINT::SDL::Rect& area);

private:
    void Parse_Description_File(const std::string& file);
    void Define_Attack_Styles(const std::string& file, const std::string& folder);
    void Load_Weapon_Styles(const std::string& stylesFile, const std::string& folder);
    void Load_Bars(const std::string& file);
    // Makes centre the active set; null keeps the current one.
    void Switch_To(Character_Animations_Center* centre);
    void Release_Centres();

    BattleField* Battlefield;
    GLINT::SDL::Rect Camera;
    std::array<std::unique_ptr<Character_Animations_Center>, Style_Count> Style_Centers;
    std::unique_ptr<GLINT::SDL::RGBSurface> Bars_Sheet;
    std::array<GLINT::SDL::Rect, 4> Bars;
    Uint8 Bars_Width = 0;
    Uint8 Bars_Height = 0;
};
