#pragma once

#include <string>

#include <SDL/SDL_types.h>

#include "items/Item.hpp"

// What a character fights with. The drawn weapon's damage range, critical
// multiplier and range become the character's attack bonuses.
class Weapon : public Item {
public:
    enum Weapon_Type { Unarmed = 0, Melee = 1, Distant = 2, Throw = 3, Other = 4 };

    // "Unarmed", "Melee", "Distant", the whole text "Throw = 3"; anything else is Other.
    static int Str2Weapon_Type(const std::string& text);

    Weapon();

    // Validates, reads the weapon keys, then the common ones.
    void Create_From_File(const std::string& file) override;
    Item* Clone() const override { return new Weapon(*this); }

    const std::string& Get_Attribute_Condition_Name() const { return Attribute_Condition_Name; }
    Sint16 Get_Attribute_Condition_Value() const { return Attribute_Condition_Value; }
    Sint16 Get_Damage_Min() const { return Damage_Min; }
    Sint16 Get_Damage_Max() const { return Damage_Max; }
    Sint16 Get_Critical_Multiplier() const { return Critical_Multiplier; }
    Sint16 Get_Range() const { return Range; }
    // 1 melee, 2 distant (Weapon_Type).
    Sint32 Get_Weapon_Type() const { return Type; }
    // Within the type: the player picks the drawing sound and attack sheets by it.
    Sint32 Get_Weapon_Subtype() const { return Subtype; }
    Sint32 Get_Class_Constant() const { return Class_Constant; }

protected:
    Weapon(const Weapon&) = default;

    std::string Attribute_Condition_Name;
    Sint16 Attribute_Condition_Value = 0;
    Sint16 Damage_Min = 0;
    Sint16 Damage_Max = 0;
    Sint16 Critical_Multiplier = 0;
    Sint16 Range = 0;
    Sint32 Type = Unarmed;
    Sint32 Subtype = 0;
    Sint32 Class_Constant = 0;
};
