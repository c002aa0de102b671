#include "characters/Characteristics.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "characters/Attitudes.hpp"
#include "shell/Game_Clock.hpp"

namespace {

class Characteristics_Test : public ::testing::Test {
protected:
    void SetUp() override { Game_Clock::Set(10000); }
    void TearDown() override { Game_Clock::Use_Real_Time(); }
};

TEST_F(Characteristics_Test, LifeTakesDamageLessArmourAndPotionsStopAtTheMaximum) {
    struct Scenario {
        const char* name;
        int armor;
        bool invulnerable;
        int damage;
        int lifeAfter;
    } scenarios[] = {
        {"damage under armour", 10, false, 7, 100},
        {"damage over armour", 10, false, 12, 98},
        {"exactly the life left kills to 0", 0, false, 100, 0},
        {"below 0 is kept", 0, false, 130, -30},
        {"invulnerable", 0, true, 500, 100},
    };
    for (const Scenario& s : scenarios) {
        Characteristics c;
        c.Set_Initials(4, 8, 100, 10, s.armor, 5, 4, 3, 1, s.invulnerable);
        c.Calculate_Real_Life(s.damage);
        EXPECT_EQ(c.Life, s.lifeAfter) << s.name;
    }

    Characteristics c;
    c.Set_Initials(4, 8, 100, 10, 0, 5, 4, 3, 1, false);
    c.Life = 90;
    c.Add_Life(50);
    EXPECT_EQ(c.Life, 100);
    for (int life : {0, -5}) {
        c.Set_Initials(4, 8, life, 10, 0, 5, 4, 3, 1, false);
        EXPECT_EQ(c.Max_Life, 1) << life;
        EXPECT_EQ(c.Life, 1) << life;
    }
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
    c.Vector_X = 1.0f;

    Game_Clock::Set(12400); // 2.4 s: two whole seconds count
    c.Calculate_Real_Endurance();
    EXPECT_EQ(c.Endurance, 2);
    EXPECT_TRUE(c.Running);
    EXPECT_EQ(c.Last_Endurance_Update, 12000u);

    Game_Clock::Set(13000); // 3 s in all: the third second empties it
    c.Calculate_Real_Endurance();
    EXPECT_EQ(c.Endurance, 0);
    EXPECT_FALSE(c.Running);

    // Walking gives back 2 a second, standing 4, never above the maximum.
    Game_Clock::Set(15000);
    c.Calculate_Real_Endurance();
    EXPECT_EQ(c.Endurance, 4);
    c.Vector_X = 0.0f;
    Game_Clock::Set(16500);
    c.Calculate_Real_Endurance();
    EXPECT_EQ(c.Endurance, 8);
    Game_Clock::Set(17000); // the half second left over completes a second
    c.Calculate_Real_Endurance();
    EXPECT_EQ(c.Endurance, 12);
    Game_Clock::Set(30000);
    c.Calculate_Real_Endurance();
    EXPECT_EQ(c.Endurance, 12);
}

TEST(Attitudes_Test, NamesConvertExactlyAndOthersAreRefused) {
    EXPECT_EQ(Attitudes::String_To_Attitude("Wanderer"), 1);
    EXPECT_EQ(Attitudes::String_To_Attitude("Guard"), 2);
    EXPECT_EQ(Attitudes::String_To_Attitude("Aggressive"), 3);
    EXPECT_EQ(Attitudes::String_To_Attitude("Coward"), 4);
    EXPECT_EQ(Attitudes::String_To_Attitude("Passive"), 5);
    for (const char* text : {"guard", "", "Guard "}) {
        try {
            Attitudes::String_To_Attitude(text);
            FAIL() << text;
        } catch (const std::logic_error& e) {
            EXPECT_EQ(std::string(e.what()), "Exception In Attitudes::String_To_Attitude(): Trying to convert string "
                                             "to Attitude with an unknown str_Attitude");
        }
    }
}

} // namespace
