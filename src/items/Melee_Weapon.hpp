#pragma once

#include "items/Weapon.hpp"

// A weapon that strikes at arm's reach.
class Melee_Weapon : public Weapon {
public:
    Melee_Weapon();
    Item* Clone() const override { return new Melee_Weapon(*this); }

protected:
    Melee_Weapon(const Melee_Weapon&) = default;
};
