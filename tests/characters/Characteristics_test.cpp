#include "characters/Characteristics.hpp"

#include <gtest/gtest.h>

#include <string>

#include "characters/Attitudes.hpp"
#include "characters/CH_Test_Support.hpp"
#include "shell/Game_Clock.hpp"

namespace {

class Characteristics_Test : public ::testing::Test {
protected:
    void SetUp() override { Game_Clock::Set(10000); }
    void TearDown() override { Game_Clock::Use_Real_Time(); }
};

// Damage through armour, killing blows and potions are checked where blows and potions land.
TEST_F(Characteristics_Test, TheInvulnerableTakeNoDamageAndNoLifeIsStoredAsOne) {
    Characteristics c;
    c.Set_Initials(4, 8, 100, 10, 0, 5, 4, 3, 1, true);
    c.Calculate_Real_Life(500);
    EXPECT_EQ(c.Life, 100);
    c.Set_Initials(4, 8, -5, 10, 0, 5, 4, 3, 1, false);
    EXPECT_EQ(c.Max_Life, 1);
    EXPECT_EQ(c.Life, 1);
}

TEST_F(Characteristics_Test, WeaponBonusesSetTheDamageRangeAndReach) {
    Characteristics c;
    c.Set_Initials(4, 8, 100, 10, 0, 5, 6, 1, 1, false);
    EXPECT_EQ(c.Damage_Min, 5);
    EXPECT_EQ(c.Damage_Max, 5);
    c.Update_Character_Attack_Infos(2, 7, 10);
    EXPECT_EQ(c.Damage_Min, 7);
    EXPECT_EQ(c.Damage_Max, 12);
    EXPECT_EQ(c.Reach, 16);
    c.Update_Character_Attack_Infos(0, 0, 0);
    EXPECT_EQ(c.Reach, 6);
    EXPECT_EQ(c.Damage_Max, 5);
}

TEST_F(Characteristics_Test, RunningDrainsEnduranceAndTheLeftoverFractionCountsLater) {
    Characteristics c;
    c.Set_Initials(4, 8, 100, 12, 0, 5, 4, 1, 1, false);
    c.Running = true;
    struct Step {
        const char* name;
        Uint32 now;
        float vectorX;
        int endurance;
        bool running;
    } steps[] = {
        {"2.4 s running: two whole seconds count", 12400, 1.0f, 2, true},
        {"3 s in all: the third second empties it", 13000, 1.0f, 0, false},
        {"walking gives back 2 a second", 15000, 1.0f, 4, false},
        {"standing 4", 16500, 0.0f, 8, false},
        {"the half second left over completes a second", 17000, 0.0f, 12, false},
        {"never above the maximum", 30000, 0.0f, 12, false},
    };
    for (const Step& s : steps) {
        Game_Clock::Set(s.now);
        c.Vector_X = s.vectorX;
        c.Calculate_Real_Endurance();
        EXPECT_EQ(c.Endurance, s.endurance) << s.name;
        EXPECT_EQ(c.Running, s.running) << s.name;
    }
}

TEST(Attitudes_Test, NamesConvertExactlyAndOthersAreRefused) {
    const char* names[] = {"Wanderer", "Guard", "Aggressive", "Coward", "Passive"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Attitudes::String_To_Attitude(names[i]), i + 1) << names[i];
    for (const char* text : {"guard", "", "Guard "})
        EXPECT_EQ(ch_test::Error_Of([&] { Attitudes::String_To_Attitude(text); }),
                  "Exception In Attitudes::String_To_Attitude(): Trying to convert string to Attitude with an unknown "
                  "str_Attitude")
            << text;
}

} // namespace
