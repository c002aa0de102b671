#pragma once

#include "items/Clothes.hpp"

// Clothes that protect. No file describes any yet; the inventory keeps them without a slot.
class Armor : public Clothes {
public:
    Armor();
    Item* Clone() const override { return new Armor(*this); }

protected:
    Armor(const Armor&) = default;
};
