#pragma once

#include "items/Item.hpp"

// What a character wears. No file describes any yet; the inventory keeps them without a slot.
class Clothes : public Item {
public:
    Clothes();
    Item* Clone() const override { return new Clothes(*this); }

protected:
    Clothes(const Clothes&) = default;
};
