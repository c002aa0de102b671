#include "items/Weapon.hpp"

#include "shell/Error_Chain.hpp"

int Weapon::Str2Weapon_Type(const std::string& text) {
    return Chain_Errors("Exception In Weapon::Str2Weapon_Type(): ", "Unhandled Exception In Weapon::Str2Weapon_Type()",
                        [&] {
                            if (text == "Unarmed")
                                return static_cast<int>(Unarmed);
                            if (text == "Melee")
                                return static_cast<int>(Melee);
                            if (text == "Distant")
                                return static_cast<int>(Distant);
                            if (text == "Throw = 3")
                                return static_cast<int>(Throw);
                            return static_cast<int>(Other);
                        });
}
