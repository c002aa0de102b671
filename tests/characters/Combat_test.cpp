#include "characters/Character_Base.hpp"

#include <gtest/gtest.h>

#include "ai/Characters_Map.hpp"
#include "characters/CH_Test_Support.hpp"
#include "items/Actionables_Manager.hpp"
#include "shell/Game_Random.hpp"
#include "shell/Game_Settings.hpp"

using ch_test::Test_Character;
using GLINT::SDL::Rect;

namespace {

class Combat_Test : public ::testing::Test {
protected:
    void SetUp() override {
        ch_test::Use_Game_Tuning();
        Characters_Map::Instance().Clear();
        Game_Random::Seed(3);
    }
    void TearDown() override {
        Game_Random::Clear_Script();
        Characters_Map::Instance().Clear();
    }
};

TEST_F(Combat_Test, AStrikeHurtsOnlyTheFirstLivingCharacterInMapOrder) {
    Test_Character attacker(100, 100);
    Test_Character second(140, 130); // map order: by position at insertion
    Test_Character first(130, 100);
    Test_Character dead(125, 100);
    dead.Infos().Life_State = -2;
    const Rect swing(120, 100, 60, 60); // overlaps all three boxes
    EXPECT_EQ(attacker.Attack_Check_Status(swing, 10), Undead_ID);
    EXPECT_EQ(first.Infos().CH_Characteristics->Life, 30);
    EXPECT_EQ(second.Infos().CH_Characteristics->Life, 40);
    EXPECT_EQ(dead.Infos().CH_Characteristics->Life, 40);
    EXPECT_EQ(first.Infos().Hit_State, 2);
    EXPECT_EQ(first.Infos().CH_Attitudes->Opponent, &attacker);

    // Someone at the attacker's very place is taken for the attacker.
    Test_Character twin(100, 100, Monster_Type, false);
    twin.Infos().Collision_Rect = twin.Infos().Home_Collision_Rect();
    EXPECT_EQ(twin.Attack_Check_Status(attacker.Infos().Collision_Rect, 10), 0);
    EXPECT_EQ(attacker.Infos().CH_Characteristics->Life, 40);
}

TEST_F(Combat_Test, ExactlyNoLifeLeftKillsAndTheKillerIsRecorded) {
    struct Scenario {
        const char* name;
        int attackerType, armor, damage, life;
        Sint16 lifeState, killedByPlayer;
    } scenarios[] = {
        {"player's blow to exactly 0", Player_Type, 0, 40, 0, 0, 1},
        {"monster's killing blow", Monster_Type, 0, 45, -5, 0, 0},
        {"armour takes it all", Monster_Type, 4, 4, 40, 1, -1},
        {"one point through armour", Player_Type, 4, 5, 39, 1, -1},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        Characters_Map::Instance().Clear();
        Test_Character attacker(100, 100, s.attackerType);
        Test_Character victim(120, 100);
        victim.Infos().CH_Characteristics->Armor = s.armor;
        Test_Character bystander(300, 300);
        bystander.Infos().CH_Attitudes->Opponent = &victim;
        attacker.Attack_Check_Status(victim.Infos().Collision_Rect, s.damage);
        EXPECT_EQ(victim.Infos().CH_Characteristics->Life, s.life);
        EXPECT_EQ(victim.Infos().Life_State, s.lifeState);
        EXPECT_EQ(victim.Infos().Killed_By_Player, s.killedByPlayer);
        // Nobody keeps a dead character as its opponent.
        EXPECT_EQ(bystander.Infos().CH_Attitudes->Opponent, s.lifeState == 0 ? nullptr : &victim);
    }
}

TEST_F(Combat_Test, DamageDrawsFromTheRangeWithMinimumAboveMaximum) {
    Test_Character fighter(100, 100);
    Characteristics& stats = *fighter.Infos().CH_Characteristics;
    // A weapon bonus can leave min above max: still a draw between the two.
    stats.Damage_Min = 9;
    stats.Damage_Max = 3;
    for (int i = 0; i < 200; ++i) {
        const int d = fighter.Draw_Damage();
        EXPECT_TRUE(d >= 3 && d <= 9) << d;
    }
}

TEST_F(Combat_Test, AttackRectanglesFollowTheFacing) {
    using S = Game_Settings;
    Test_Character fighter(100, 100); // box (105, 110, 20, 20), reach 4
    // The reach already holds the weapon's bonus and the strike adds it again: r = 6 + 2.
    fighter.Infos().CH_Characteristics->Weapon_Reach_Bonus = 2;
    fighter.Infos().CH_Characteristics->Reach = 6;
    struct Scenario {
        short type, direction;
        Rect expected;
    } scenarios[] = {
        {1, S::CH_RIGHT, Rect(125, 110, 8, 20)},  {1, S::CH_RIGHT_DOWN, Rect(115, 120, 18, 18)},
        {1, S::CH_DOWN, Rect(105, 130, 20, 8)},   {1, S::CH_LEFT_DOWN, Rect(97, 120, 18, 18)},
        {1, S::CH_LEFT, Rect(97, 110, 8, 20)},    {1, S::CH_LEFT_UP, Rect(97, 102, 18, 18)},
        {1, S::CH_UP, Rect(105, 102, 20, 8)},     {1, S::CH_RIGHT_UP, Rect(115, 102, 18, 18)},
        // A bow looses from the edge of the box; diagonals at w / sqrt(2) = 14.
        {2, S::CH_RIGHT, Rect(125, 120, 1, 1)},   {2, S::CH_RIGHT_DOWN, Rect(119, 124, 1, 1)},
        {2, S::CH_LEFT_UP, Rect(111, 116, 1, 1)}, {2, S::CH_UP, Rect(115, 110, 1, 1)},
    };
    for (const Scenario& s : scenarios) {
        fighter.Infos().Attack_Type = s.type;
        fighter.Infos().Direction = s.direction;
        fighter.Attack_SetValues();
        EXPECT_EQ(fighter.Infos().Attack_Rect, s.expected) << s.type << "/" << s.direction;
        EXPECT_EQ(fighter.Infos().Attack_State, 2);
        EXPECT_EQ(fighter.Infos().Attack_Point_X, s.type == 1 ? 105 : s.expected.getx());
    }
}

TEST_F(Combat_Test, ADistantAttackWithNothingToFireDoesNotStall) {
    Test_Character archer(100, 100);
    archer.Infos().Attack_Type = 2;
    archer.Infos().Attack_State = 1;
    archer.Attack();
    EXPECT_EQ(archer.Infos().Attack_State, 0) << "the request is dropped";
    EXPECT_EQ(archer.Infos().Attack_Rect, Rect());
}

TEST_F(Combat_Test, DeathDropsTheBagAtTheBoxCentreOrNamesWhatIsMissing) {
    Test_Character monster(100, 100);
    EXPECT_EQ(ch_test::Error_Of([&] { monster.Death(); }),
              "From Character_Base::Death(), Actionables_Manager Not Set !");
    struct Recorder : Actionables_Manager {
        Recorder() : Actionables_Manager(Without_Contents{}) {}
        void Drop_Items(int x, int y, bool byPlayer) override {
            X = x;
            Y = y;
            By_Player = byPlayer;
        }
        int X = 0, Y = 0;
        bool By_Player = true;
    } recorder;
    monster.Infos().Actionables = &recorder;
    monster.Infos().Killed_By_Player = 0;
    monster.Death();
    EXPECT_EQ(recorder.X, 115);
    EXPECT_EQ(recorder.Y, 120);
    EXPECT_FALSE(recorder.By_Player);
}

} // namespace
