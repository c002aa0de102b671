#include "items/Melee_Weapon.hpp"

Melee_Weapon::Melee_Weapon() {
    Type = Melee;
}
