#pragma once

#include <string>

// Which battlefield sprite types each kind of character may stand on or pass.
// The character classes answer their Check_BG_Type_Allowed and
// Check_Env_Type_Allowed through these tables; the collision map asks them.
// Type names are compared exactly, letter case included.
enum class Character_Kind {
    Player,
    NPC,              // NPC_Base, NPC_Merchant, NPC_OHS_Guard
    Monster_Skeleton,
    Monster_Worm,
    Character,        // the generic character and Monster_Base: every ground allowed
};

bool Check_BG_Type_Allowed(Character_Kind kind, const std::string& type);
bool Check_Env_Type_Allowed(Character_Kind kind, const std::string& type);
