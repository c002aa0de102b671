#include "items/Potion.hpp"

Potion::Potion() { Category = Potion_Item; }
