#pragma once

#include "items/Distant_Weapon.hpp"

// A bow; it shoots the arrows of the character's projectile stack.
class Bow : public Distant_Weapon {
public:
    Bow();
    Item* Clone() const override { return new Bow(*this); }

protected:
    Bow(const Bow&) = default;
};
