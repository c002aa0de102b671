#pragma once

#include "characters/NPC_Base.hpp"

// The village guard: walks his round with his sword drawn.
class NPC_OHS_Guard : public NPC_Base {
public:
    // An unregistered guard, for probing places.
    NPC_OHS_Guard() = default;
    // A guard made from his kind's template, registered at its position, sword in hand.
    explicit NPC_OHS_Guard(const CH_Base_All_Infos& templateInfos);
    ~NPC_OHS_Guard() override = default;
};
