#include "ai/AI.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ai/Characters_Map.hpp"
#include "battlefield/BF_Helpers.hpp"
#include "characters/CH_Test_Support.hpp"
#include "shell/Game_Clock.hpp"
#include "shell/Game_Random.hpp"
#include "shell/Game_Settings.hpp"

using ch_test::Open_Field;
using ch_test::Test_Character;
using GLINT::SDL::Point;
using GLINT::SDL::Rect;

namespace {

class AI_Decisions_Test : public ::testing::Test {
protected:
    void SetUp() override {
        ch_test::Use_Game_Tuning();
        Characters_Map::Instance().Clear();
        Game_Random::Seed(7);
    }
    void TearDown() override {
        Game_Random::Clear_Script();
        Characters_Map::Instance().Clear();
        Game_Settings::Reset();
    }
    Open_Field field;
};

TEST_F(AI_Decisions_Test, WandererMovesOnAboutThreePercentOfItsDecisions) {
    // AI_CHOOSE_DESTINATION_PS 2: a draw r moves the wanderer when r mod 3000 < 90.
    Test_Character wanderer(300, 300);
    // A sheet's size modifiers in force: a decision puts back the place, not the record's size.
    const Rect sheetBox(305, 310, 14, 26);
    wanderer.Infos().Collision_Rect = sheetBox;
    const Point start(300, 300);
    Game_Random::Script({90});
    EXPECT_EQ(AI::Choose_Destination(*field, wanderer), start) << "r mod 3000 = 90 stays";
    Game_Random::Script({3000 + 89});
    const Point moved = AI::Choose_Destination(*field, wanderer);
    EXPECT_NE(moved, start) << "r mod 3000 = 89 moves";

    int moves = 0;
    for (int i = 0; i < 4000; ++i)
        if (AI::Choose_Destination(*field, wanderer) != start)
            ++moves;
    EXPECT_GT(moves, 60);
    EXPECT_LT(moves, 190);
    EXPECT_EQ(wanderer.Infos().Collision_Rect, sheetBox);
}

TEST_F(AI_Decisions_Test, RandomSpotsStayInSightOnTheLatticeAndOffForbiddenGround) {
    Test_Character wanderer(600, 600); // next to the lake at (640, 640)
    const Point grid = AI::Get_Grid_Size(wanderer);
    ASSERT_GT(grid.getx(), 0);
    const Point centre = wanderer.Infos().Box_Centre();
    int moved = 0;
    for (int i = 0; i < 300; ++i) {
        Game_Random::Script({0}); // always decide to move
        const Point d = AI::Find_Random_Destination_Inside_SR_For_Default_Att(6000, Point(600, 600), *field, wanderer);
        EXPECT_EQ(wanderer.Infos().Collision_Rect, wanderer.Infos().Home_Collision_Rect());
        if (d == Point(600, 600))
            continue;
        ++moved;
        EXPECT_EQ((d.getx() - 600) % grid.getx(), 0);
        EXPECT_EQ((d.gety() - 600) % grid.gety(), 0);
        // The box at the spot keeps off the lake.
        const Rect box(static_cast<Sint16>(d.getx() + 5), static_cast<Sint16>(d.gety() + 10), 20, 20);
        EXPECT_FALSE(Check_Rects_Overlap(box, Rect(640, 640, 64, 64))) << d.getx() << "," << d.gety();
        // Within one grid step of the sight circle (the snap moves it by less than a cell).
        const int dx = d.getx() + 15 - centre.getx(), dy = d.gety() + 20 - centre.gety();
        EXPECT_LE(dx * dx + dy * dy, (80 + 2 * grid.getx()) * (80 + 2 * grid.getx()));
    }
    EXPECT_GT(moved, 100);
}

TEST_F(AI_Decisions_Test, RoundDestinationSnapsOntoTheLatticeThroughTheStart) {
    const Rect field(0, 0, 2000, 1500), guarded(1180, 1500, 896, 960);
    struct Scenario {
        const char* name;
        Point start, destination;
        Rect area;
        Point expected;
        Point grid = Point(32, 32);
    } scenarios[] = {
        {"same point", Point(100, 100), Point(100, 100), field, Point(100, 100)},
        {"snapped", Point(100, 100), Point(170, 35), field, Point(164, 36)},
        {"falls back on start: one cell toward x", Point(100, 100), Point(120, 105), field, Point(132, 100)},
        {"falls back on start: one cell toward y", Point(100, 100), Point(101, 110), field, Point(100, 132)},
        // The guard's area lies away from the origin: only its right and bottom edges pull a point back.
        {"area away from the origin", Point(1188, 1508), Point(1400, 1700), guarded, Point(1380, 1700)},
        {"beyond the area's right edge", Point(1188, 1508), Point(2090, 1700), guarded, Point(2052, 1700)},
        {"no lattice without a step", Point(100, 100), Point(300, 300), field, Point(100, 100), Point(0, 0)},
    };
    for (const Scenario& s : scenarios) {
        Point d = s.destination;
        AI::Round_Destination(s.start, d, s.grid, s.area);
        EXPECT_EQ(d, s.expected) << s.name << ": " << d.getx() << "," << d.gety();
    }
}

TEST_F(AI_Decisions_Test, GuardReachesAndRotatesItsPatrolPointsInItsOffsetArea) {
    Test_Character guard(1188, 1508);
    CH_Base_All_Infos& g = guard.Infos();
    g.Allowed_Area = Rect(1180, 1500, 600, 400);
    g.CH_Attitudes->Set_Initials(Attitudes::Guard, Attitudes::Passive, Attitudes::Passive, Attitudes::Aggressive);
    g.CH_Attitudes->Guard_Path = {Point(1188, 1508), Point(1380, 1700), Point(1188, 1700)};

    // Standing on the first point: it goes to the end, the guard heads for the second, exactly.
    EXPECT_EQ(AI::Choose_Destination(*field, guard), Point(1380, 1700));
    ASSERT_EQ(g.CH_Attitudes->Guard_Path.front(), Point(1380, 1700));
    EXPECT_EQ(g.CH_Attitudes->Guard_Path.back(), Point(1188, 1508));

    guard.Move_To(1380, 1700);
    EXPECT_EQ(AI::Choose_Destination(*field, guard), Point(1188, 1700));
    guard.Move_To(1188, 1700);
    EXPECT_EQ(AI::Choose_Destination(*field, guard), Point(1188, 1508));
}

TEST_F(AI_Decisions_Test, CowardPicksTheFreeCellFarthestFromItsOpponents) {
    Test_Character coward(300, 300);
    coward.Infos().CH_Attitudes->Set_Initials(Attitudes::Passive, Attitudes::Coward, Attitudes::Coward,
                                              Attitudes::Coward);
    Test_Character bully(340, 300);
    bully.Infos().CH_Attitudes->Set_Initials(Attitudes::Coward, Attitudes::Passive, Attitudes::Passive,
                                             Attitudes::Aggressive);
    // Mode 1 finds characters whose attitude is Coward: the bully counts as an opponent here.
    const std::list<Rect> opponents = AI::Get_Opponents_List(coward, 1);
    ASSERT_EQ(opponents.size(), 1u);
    Rect chase = coward.Infos().Collision_Rect;
    const Point d = AI::Calculate_Dest(chase, opponents, *field, coward, 1);
    // It flees running: a cell is one run cycle long.
    ASSERT_TRUE(coward.Infos().CH_Characteristics->Running);
    const int cell = AI::Get_Grid_Size(coward).getx();
    // Up-left and down-left score the same: the first one met wins.
    EXPECT_EQ(d, Point(300 - cell, 300 - cell)) << d.getx() << "," << d.gety();
    EXPECT_EQ(coward.Infos().Collision_Rect, coward.Infos().Home_Collision_Rect());

    // Boxed in on every side but its own cell: it stays and stops running.
    Test_Character cornered(0, 0);
    cornered.Infos().Allowed_Area = Rect(5, 10, 20, 20);
    cornered.Infos().CH_Characteristics->Running = true;
    Rect self = cornered.Infos().Collision_Rect;
    EXPECT_EQ(AI::Calculate_Dest(self, {Rect(40, 0, 20, 20)}, *field, cornered, 4), Point(0, 0));
    EXPECT_FALSE(cornered.Infos().CH_Characteristics->Running);
}

TEST_F(AI_Decisions_Test, AttackerInReachIsFacedAndStruckAndOneOutOfSightIsForgotten) {
    Test_Character victim(300, 300);
    Test_Character attacker(322, 300);
    victim.Infos().CH_Attitudes->Opponent = &attacker;
    EXPECT_EQ(AI::Choose_Destination(*field, victim), Point(300, 300));
    EXPECT_EQ(victim.Infos().Attack_State, 1);
    EXPECT_EQ(victim.Infos().Direction, Game_Settings::CH_RIGHT);
    EXPECT_EQ(victim.Infos().CH_Attitudes->Opponent, &attacker);

    // Sight 80, times 1.4 is 112: an attacker 200 pixels away is forgotten.
    victim.Infos().Attack_State = 0;
    attacker.Move_To(500, 300);
    Game_Random::Script({5000});
    AI::Choose_Destination(*field, victim);
    EXPECT_EQ(victim.Infos().CH_Attitudes->Opponent, nullptr);
    EXPECT_EQ(victim.Infos().Attack_State, 0);
}

TEST_F(AI_Decisions_Test, AggressiveCharacterChasesAlongAPathAndStrikesInReach) {
    Test_Character hunter(300, 300);
    hunter.Infos().CH_Attitudes->Set_Initials(Attitudes::Wanderer, Attitudes::Aggressive, Attitudes::Aggressive,
                                              Attitudes::Aggressive);
    Test_Character prey(380, 300);
    const Rect sheetBox(305, 310, 14, 26); // as with the wanderer, on the way out with a chase
    hunter.Infos().Collision_Rect = sheetBox;
    const Point step = AI::Choose_Destination(*field, hunter);
    EXPECT_EQ(hunter.Infos().Attack_State, 0);
    EXPECT_GT(step.getx(), 300) << "first waypoint toward the prey";
    EXPECT_EQ(hunter.Infos().Collision_Rect, sheetBox);

    prey.Move_To(322, 300);
    EXPECT_EQ(AI::Choose_Destination(*field, hunter), Point(300, 300));
    EXPECT_EQ(hunter.Infos().Attack_State, 1);
    EXPECT_EQ(hunter.Infos().Direction, Game_Settings::CH_RIGHT);
}

TEST_F(AI_Decisions_Test, DirectionsTowardAnOpponentFollowTheEightSectors) {
    using S = Game_Settings;
    const Point a(100, 100);
    struct Scenario {
        Point b;
        short expected;
    } scenarios[] = {
        {Point(100, 150), S::CH_DOWN},      {Point(50, 150), S::CH_LEFT_DOWN}, {Point(50, 100), S::CH_LEFT},
        {Point(50, 50), S::CH_LEFT_UP},     {Point(100, 50), S::CH_UP},        {Point(150, 50), S::CH_RIGHT_UP},
        {Point(150, 100), S::CH_RIGHT},     {Point(150, 150), S::CH_RIGHT_DOWN},
        // Just either side of 22.5 degrees from straight down.
        {Point(90, 200), S::CH_DOWN},       {Point(70, 150), S::CH_LEFT_DOWN},
    };
    for (const Scenario& s : scenarios)
        EXPECT_EQ(AI::Find_Direction_From_Opponent(a, s.b, -1), s.expected) << s.b.getx() << "," << s.b.gety();
    // Same centre: no direction to take, the current one stays.
    EXPECT_EQ(AI::Find_Direction_From_Opponent(a, a, S::CH_LEFT), S::CH_LEFT);
    EXPECT_EQ(AI::Get_Concordance_Direction_Angle(S::CH_DOWN, a, a), 0u);
    // Facing right, an opponent straight below is 90 degrees off; facing up, 180.
    EXPECT_EQ(AI::Get_Concordance_Direction_Angle(S::CH_RIGHT, a, Point(100, 150)), 90u);
    EXPECT_EQ(AI::Get_Concordance_Direction_Angle(S::CH_UP, a, Point(100, 150)), 180u);
}

} // namespace
