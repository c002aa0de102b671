#include "items/Throw_Weapon.hpp"

Throw_Weapon::Throw_Weapon() = default;
