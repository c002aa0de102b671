#include "ai/Character_Factory.hpp"

#include "characters/Monster_Skeleton.hpp"
#include "characters/Monster_Worm.hpp"
#include "characters/NPC_Merchant.hpp"
#include "characters/NPC_OHS_Guard.hpp"

template <>
const char* const Character_Factory<NPC_Merchant>::Description_File = "Data/Characters/c_NPC_Merchant.xml";
template <>
const char* const Character_Factory<NPC_OHS_Guard>::Description_File = "Data/Characters/c_NPC_Guard_w_OneH_Sword.xml";
template <>
const char* const Character_Factory<Monster_Skeleton>::Description_File = "Data/Characters/c_Monster_Skeleton.xml";
template <>
const char* const Character_Factory<Monster_Worm>::Description_File = "Data/Characters/c_Monster_Worm.xml";
