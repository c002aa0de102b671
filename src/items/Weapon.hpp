#pragma once

#include <string>

// What a character fights with.
class Weapon {
public:
    enum Weapon_Type { Unarmed = 0, Melee = 1, Distant = 2, Throw = 3, Other = 4 };

    // "Unarmed", "Melee", "Distant", the whole text "Throw = 3"; anything else is Other.
    static int Str2Weapon_Type(const std::string& text);
};
