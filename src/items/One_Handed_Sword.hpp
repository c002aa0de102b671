#pragma once

#include "items/Melee_Weapon.hpp"

// A sword held in one hand.
class One_Handed_Sword : public Melee_Weapon {
public:
    One_Handed_Sword();
    Item* Clone() const override { return new One_Handed_Sword(*this); }

protected:
    One_Handed_Sword(const One_Handed_Sword&) = default;
};
