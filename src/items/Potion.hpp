#pragma once

#include "items/Item.hpp"

// Something a character drinks.
class Potion : public Item {
public:
    Potion();
    virtual void Use() = 0;

protected:
    Potion(const Potion&) = default;
};
