#include "battlefield/Terrain_Rules.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Ground_Row {
    const char* Type;
    bool Player, NPC, Skeleton, Worm;
};

const std::vector<Ground_Row> Ground = {
    {"Grass", true, true, true, true},    {"Earth", true, true, true, true},
    {"Sand", true, true, false, true},    {"Lava", false, false, false, false},
    {"River", true, true, true, false},   {"Lake", false, false, false, false},
    {"Way", true, true, true, true},      {"Bridge", true, true, true, true},
    {"Moutain", false, false, false, false}, {"Snow", true, true, true, false},
    // Not a ground type, another letter case, the usual spelling, nothing.
    {"Wall", false, false, false, false}, {"grass", false, false, false, false},
    {"Mountain", false, false, false, false}, {"", false, false, false, false},
};

const Character_Kind All_Kinds[] = {Character_Kind::Player, Character_Kind::NPC, Character_Kind::Monster_Skeleton,
                                    Character_Kind::Monster_Worm, Character_Kind::Character};

} // namespace

TEST(Terrain_Rules, GroundAnswersOfEveryClass) {
    for (const Ground_Row& row : Ground) {
        SCOPED_TRACE(row.Type);
        EXPECT_EQ(Check_BG_Type_Allowed(Character_Kind::Player, row.Type), row.Player);
        EXPECT_EQ(Check_BG_Type_Allowed(Character_Kind::NPC, row.Type), row.NPC);
        EXPECT_EQ(Check_BG_Type_Allowed(Character_Kind::Monster_Skeleton, row.Type), row.Skeleton);
        EXPECT_EQ(Check_BG_Type_Allowed(Character_Kind::Monster_Worm, row.Type), row.Worm);
        // The generic character and Monster_Base go anywhere.
        EXPECT_TRUE(Check_BG_Type_Allowed(Character_Kind::Character, row.Type));
    }
}

TEST(Terrain_Rules, OnlySmallSceneryCanBePassedByAnyone) {
    const std::vector<std::pair<std::string, bool>> scenery = {
        {"Building", false},     {"Wall", false},         {"Small_Vegetal", true}, {"Big_Vegetal", false},
        {"Big_Mineral", false},  {"Small_Mineral", true}, {"small_vegetal", false}, {"SMALL_MINERAL", false},
        {"Grass", false},        {"", false},
    };
    for (Character_Kind kind : All_Kinds)
        for (const auto& entry : scenery) {
            SCOPED_TRACE(entry.first + " for kind " + std::to_string(static_cast<int>(kind)));
            EXPECT_EQ(Check_Env_Type_Allowed(kind, entry.first), entry.second);
        }
}
