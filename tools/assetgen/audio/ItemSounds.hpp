#pragma once

#include "Signal.hpp"

// Handling things: a potion drunk, a chest opened, a bag picked up or
// dropped.
class ItemSounds {
public:
    static Signal drinkPotion();
    static Signal openChest();
    static Signal openBag();
    static Signal bagFalls();
};
