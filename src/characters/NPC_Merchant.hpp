#pragma once

#include "characters/NPC_Base.hpp"

// The merchant by his stall.
class NPC_Merchant : public NPC_Base {
public:
    // An unregistered merchant, for probing places.
    NPC_Merchant() = default;
    // A merchant made from his kind's template, registered at its position.
    explicit NPC_Merchant(const CH_Base_All_Infos& templateInfos);
    ~NPC_Merchant() override = default;
};
