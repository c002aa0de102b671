#pragma once

#include <memory>
#include <string>
#include <vector>

#include <SDL/SDL_types.h>

#include "characters/CH_Base_All_Infos.hpp"
#include "media/BaseSurface.hpp"
#include "media/Rect.hpp"

class BattleField;
class BattleField_Sprite;

// Character types and ids as the description files name them.
enum Character_Types { Player_Type = 1, NPC_Type = 2, Monster_Type = 3 };
enum Character_IDs { Humanoid_ID = 1, Crawler_ID = 2, Undead_ID = 3 };
int String_To_Character_Type(const std::string& text);
int String_To_Character_ID(const std::string& text);

// Everything living on the field: the player, NPCs and monsters. Holds the
// character's record; drives AI characters frame by frame (Behavior), starts
// attacks and resolves their strike, and draws the character.
class Character_Base {
public:
    using CH_Base_All_Infos = ::CH_Base_All_Infos;

    // The player's sprite size: how far off screen a character is still drawn.
    static int Player_Sprite_Width;
    static int Player_Sprite_Height;

    Character_Base();

    // May the character stand on a ground (scenery) sprite of this type?
    virtual bool Check_BG_Type_Allowed(const std::string& type) = 0;
    virtual bool Check_Env_Type_Allowed(const std::string& type) = 0;
    // Builds the attack rectangle from the direction, the box and the reach.
    virtual void Attack_SetValues();
    // What a blow with a weapon in hand reaches from the collision box facing direction.
    static GLINT::SDL::Rect Melee_Attack_Rect(const GLINT::SDL::Rect& box, int direction, int reach);
    virtual void Attack_PlayBeginningSounds() {}
    virtual void Attack_SetAnimations();
    virtual void Attack_PlayEndSounds() {}
    virtual void Set_Attack_Msg() {}
    virtual void Set_Following_Camera() {}
    // Leaves Characters_Map on the way out.
    virtual ~Character_Base();
    // One frame of an AI-driven character.
    virtual void Behavior(BattleField& battlefield);
    virtual int Movement_Sound(BattleField& battlefield, bool running);
    virtual void Show(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target);

    Character_Base(const Character_Base&) = delete;
    Character_Base& operator=(const Character_Base&) = delete;

    // Starts an attack, unless a distant weapon has nothing to fire.
    void Attack();
    // The hit test: the first living other character in Characters_Map whose
    // box the rectangle overlaps loses damage less armour. Its Character_IDs, or 0.
    int Attack_Check_Status(const GLINT::SDL::Rect& attackRect, int damage);
    void Attack_Reset();
    // Drops the dead character's bag through its actionables manager.
    void Death();
    // The facing given by the signs of the movement vector; (0, 0) keeps the current one.
    int Find_Direction_From_Velocities();

    CH_Base_All_Infos& Infos() { return *CH_Infos; }
    const CH_Base_All_Infos& Infos() const { return *CH_Infos; }

    // A damage draw from the current range, the range taken the right way round.
    int Draw_Damage() const;

    // A value the game cannot use, reported with the file it came from.
    [[noreturn]] static void Refuse(const std::string& file, const std::string& what);

    // Cached answers of the terrain tests for a sprite, by its type.
    bool Allows_BG_Sprite(const BattleField_Sprite& sprite);
    bool Allows_Env_Sprite(const BattleField_Sprite& sprite);

    // Time of the last AI destination choice; 0 = never.
    Uint32 Last_Destination_Choice = 0;

protected:
    // The allowed area (when the file has one), the collision box and the
    // sight radius of a description file; a box under 1 x 1 is refused.
    static void Read_Area_And_Box(const std::string& file, CH_Base_All_Infos& infos);
    // Registers the character in Characters_Map at its position.
    void Enter_Characters_Map();

    std::unique_ptr<CH_Base_All_Infos> CH_Infos;

private:
    // The verdict of test for the sprite's type, asked once per type (-1 in the cache: not asked yet).
    bool Cached_Verdict(std::vector<signed char>& verdicts, const BattleField_Sprite& sprite,
                        bool (Character_Base::*test)(const std::string&));

    std::vector<signed char> BG_Verdicts;
    std::vector<signed char> Env_Verdicts;
};
