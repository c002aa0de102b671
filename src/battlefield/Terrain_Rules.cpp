#include "battlefield/Terrain_Rules.hpp"

namespace {

struct Ground_Rule {
    const char* Type;
    bool Player;
    bool NPC;
    bool Skeleton;
    bool Worm;
};

// Skeletons sink in sand; worms drown in rivers and freeze in snow.
const Ground_Rule Ground_Rules[] = {
    {"Grass", true, true, true, true},      {"Earth", true, true, true, true},
    {"Sand", true, true, false, true},      {"Lava", false, false, false, false},
    {"River", true, true, true, false},     {"Lake", false, false, false, false},
    {"Way", true, true, true, true},        {"Bridge", true, true, true, true},
    {"Moutain", false, false, false, false}, {"Snow", true, true, true, false},
};

// Only low scenery can be walked through.
const char* const Passable_Scenery[] = {"Small_Vegetal", "Small_Mineral"};

} // namespace

bool Check_BG_Type_Allowed(Character_Kind kind, const std::string& type) {
    if (kind == Character_Kind::Character)
        return true;
    for (const Ground_Rule& rule : Ground_Rules) {
        if (type != rule.Type)
            continue;
        switch (kind) {
        case Character_Kind::Player:
            return rule.Player;
        case Character_Kind::NPC:
            return rule.NPC;
        case Character_Kind::Monster_Skeleton:
            return rule.Skeleton;
        case Character_Kind::Monster_Worm:
            return rule.Worm;
        case Character_Kind::Character:
            return true;
        }
    }
    return false;
}

bool Check_Env_Type_Allowed(Character_Kind, const std::string& type) {
    for (const char* passable : Passable_Scenery)
        if (type == passable)
            return true;
    return false;
}
