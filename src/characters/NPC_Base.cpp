#include "characters/NPC_Base.hpp"

#include "battlefield/Terrain_Rules.hpp"

bool NPC_Base::Check_BG_Type_Allowed(const std::string& type) {
    return ::Check_BG_Type_Allowed(Character_Kind::NPC, type);
}

bool NPC_Base::Check_Env_Type_Allowed(const std::string& type) {
    return ::Check_Env_Type_Allowed(Character_Kind::NPC, type);
}
