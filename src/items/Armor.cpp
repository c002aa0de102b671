#include "items/Armor.hpp"

Armor::Armor() = default;
