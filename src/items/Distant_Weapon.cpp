#include "items/Distant_Weapon.hpp"

Distant_Weapon::Distant_Weapon() {
    Type = Distant;
}
