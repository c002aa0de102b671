#include "battlefield/Terrain_Rules.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

// Per kind, the ground it may not enter among every known type and a few that are not types
// (another letter case, the usual spelling of the mountain, a scenery type, nothing).
TEST(Terrain_Rules, EachKindKeepsOffItsOwnGround) {
    const std::vector<std::string> types = {"Grass", "Earth", "Sand", "Lava", "River", "Lake",     "Way",  "Bridge",
                                            "Moutain", "Snow", "grass", "Mountain", "Wall", ""};
    const std::set<std::string> nowhere = {"Lava", "Lake", "Moutain", "grass", "Mountain", "Wall", ""};
    struct Row {
        Character_Kind Kind;
        std::set<std::string> Also_Refused;
    };
    const Row rows[] = {
        {Character_Kind::Player, {}},
        {Character_Kind::NPC, {}},
        {Character_Kind::Monster_Skeleton, {"Sand"}},
        {Character_Kind::Monster_Worm, {"River", "Snow"}},
    };
    for (const Row& row : rows)
        for (const std::string& type : types) {
            SCOPED_TRACE(type + " for kind " + std::to_string(static_cast<int>(row.Kind)));
            EXPECT_EQ(Check_BG_Type_Allowed(row.Kind, type), !nowhere.count(type) && !row.Also_Refused.count(type));
            // The generic character (and Monster_Base) goes anywhere.
            EXPECT_TRUE(Check_BG_Type_Allowed(Character_Kind::Character, type));
        }
}

TEST(Terrain_Rules, OnlySmallSceneryCanBePassedByAnyone) {
    const std::vector<std::pair<std::string, bool>> scenery = {
        {"Building", false},     {"Wall", false},         {"Small_Vegetal", true}, {"Big_Vegetal", false},
        {"Big_Mineral", false},  {"Small_Mineral", true}, {"small_vegetal", false}, {"Grass", false},        {"", false},
    };
    for (Character_Kind kind : {Character_Kind::Player, Character_Kind::NPC, Character_Kind::Monster_Skeleton,
                                Character_Kind::Monster_Worm, Character_Kind::Character})
        for (const auto& entry : scenery) {
            SCOPED_TRACE(entry.first + " for kind " + std::to_string(static_cast<int>(kind)));
            EXPECT_EQ(Check_Env_Type_Allowed(kind, entry.first), entry.second);
        }
}
