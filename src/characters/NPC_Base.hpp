#pragma once

#include "characters/Character.hpp"

// Townsfolk: they keep to roads and open ground like the hero.
class NPC_Base : public Character {
public:
    NPC_Base() = default;
    ~NPC_Base() override = default;

    bool Check_BG_Type_Allowed(const std::string& type) override;
    bool Check_Env_Type_Allowed(const std::string& type) override;
};
