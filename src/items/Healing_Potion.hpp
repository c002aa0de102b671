#pragma once

#include <SDL/SDL_types.h>

#include "items/Potion.hpp"

// Gives its owner back Bonus life, never above the maximum. Loaded from
// Data/Items/Healing_Potion.xml.
class Healing_Potion : public Potion {
public:
    static const char* const File;

    Healing_Potion();
    Item* Clone() const override { return new Healing_Potion(*this); }

    void Use() override;
    Sint16 Get_Bonus() const { return Bonus; }

protected:
    Healing_Potion(const Healing_Potion&) = default;

    Sint16 Bonus = 0;
};
