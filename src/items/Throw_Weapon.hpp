#pragma once

#include "items/Weapon.hpp"

// A weapon thrown by hand. Nothing equips it yet.
class Throw_Weapon : public Weapon {
public:
    Throw_Weapon();
    Item* Clone() const override { return new Throw_Weapon(*this); }

protected:
    Throw_Weapon(const Throw_Weapon&) = default;
};
