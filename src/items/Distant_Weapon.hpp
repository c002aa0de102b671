#pragma once

#include "items/Weapon.hpp"

// A weapon that shoots projectiles; the inventory reads its range for each shot.
class Distant_Weapon : public Weapon {
public:
    Distant_Weapon();
    Item* Clone() const override { return new Distant_Weapon(*this); }

protected:
    Distant_Weapon(const Distant_Weapon&) = default;
};
