// The autopilot's route map over the shipped battlefield: what it marks free
// is what the collision test says, and its routes are walkable step by step.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "Shipped_World.hpp"
#include "ai/AI.hpp"
#include "ai/Characters_Map.hpp"
#include "ai/Reference_Scans.hpp"
#include "autoplay/Route_Map.hpp"
#include "battlefield/BattleField.hpp"
#include "shell/Game_Random.hpp"

using GLINT::SDL::Point;
using reference::Kind_Character;

namespace {

class Shipped_Route_Map : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        shipped::In_Game_Dir inside;
        Field = new BattleField("Data/Battlefield/Varnholt_BF.xml");
        Hero = new Kind_Character(Character_Kind::Player);
        Place(1568, 2048);
        Hero->Infos().Default_Sprite_Width = 64;
        Hero->Infos().Default_Sprite_Height = 64;
        Map = new Route_Map(*Field, *Hero);
    }
    static void TearDownTestSuite() {
        delete Map;
        delete Hero;
        delete Field;
    }
    void SetUp() override { Characters_Map::Instance().Clear(); }

    static void Place(int x, int y) { Hero->Place(x, y, 22, 22, 20, 36); }
    // The collision test itself, for the hero standing at (x, y).
    static bool Probe(int x, int y) {
        Place(x, y);
        return AI::Manage_Collisions_BF(*Field, *Hero, false);
    }

    static BattleField* Field;
    static Kind_Character* Hero;
    static Route_Map* Map;
};

BattleField* Shipped_Route_Map::Field = nullptr;
Kind_Character* Shipped_Route_Map::Hero = nullptr;
Route_Map* Shipped_Route_Map::Map = nullptr;

TEST_F(Shipped_Route_Map, MarksFreeExactlyWhatTheCollisionTestAllowsAndLeavesTheBoxWhereItWas) {
    EXPECT_EQ(Hero->Infos().Collision_Rect.getx(), 1568 + 22);
    EXPECT_EQ(Hero->Infos().Collision_Rect.gety(), 2048 + 22);
    EXPECT_EQ(Map->Columns(), (3328 - 64) / Route_Map::Step + 1);
    EXPECT_EQ(Map->Rows(), (4096 - 64) / Route_Map::Step + 1);
    // Scenery blocks a good part of the field, but far from all of it.
    EXPECT_GT(Map->Free_Nodes(), Map->Columns() * Map->Rows() / 2);
    EXPECT_LT(Map->Free_Nodes(), Map->Columns() * Map->Rows());

    Game_Random::Seed(7);
    for (int i = 0; i < 3000; ++i) {
        const int x = Game_Random::Between(0, Map->Columns() - 1) * Route_Map::Step;
        const int y = Game_Random::Between(0, Map->Rows() - 1) * Route_Map::Step;
        ASSERT_EQ(Map->Free_At(x, y), Probe(x, y)) << "at " << x << ", " << y;
    }
    EXPECT_FALSE(Map->Free_At(1568 + 1, 2048)) << "only lattice places are known";
    EXPECT_FALSE(Map->Free_At(-Route_Map::Step, 0));
    EXPECT_FALSE(Map->Free_At(0, Map->Rows() * Route_Map::Step));
}

TEST_F(Shipped_Route_Map, RoutesFromTheVillageToTheGraveyardChestAreWalkableStepByStep) {
    const Point start(1568, 2048);
    // Across the field to the ruin that holds the chest, and to the far south-east.
    for (const Point& goal : {Point(288, 292), Point(3000, 3700), Point(1571, 2051 + 300)}) {
        const Point_List route = Map->Route(start, goal);
        ASSERT_FALSE(route.empty()) << "to " << goal.getx() << ", " << goal.gety();
        Point from = start;
        for (const Point& step : route) {
            const int dx = step.getx() - from.getx(), dy = step.gety() - from.gety();
            ASSERT_LE(std::abs(dx), Route_Map::Step);
            ASSERT_LE(std::abs(dy), Route_Map::Step);
            ASSERT_TRUE(Probe(step.getx(), step.gety())) << "blocked at " << step.getx() << ", " << step.gety();
            // A diagonal step must not clip the corner between its two straight neighbours.
            if (dx != 0 && dy != 0) {
                ASSERT_TRUE(Probe(from.getx() + dx, from.gety()));
                ASSERT_TRUE(Probe(from.getx(), from.gety() + dy));
            }
            from = step;
        }
        // It ends at the free place nearest the goal, never far from it.
        EXPECT_LE(std::abs(from.getx() - goal.getx()), 4 * Route_Map::Step);
        EXPECT_LE(std::abs(from.gety() - goal.gety()), 4 * Route_Map::Step);
    }
}

TEST_F(Shipped_Route_Map, NoRouteToWhereTheHeroIsOrIntoTheMiddleOfSolidGround) {
    EXPECT_TRUE(Map->Route(Point(1568, 2048), Point(1570, 2050)).empty());

    // A place whose whole surroundings are blocked (the heart of a mountain or the lake).
    bool found = false;
    for (int row = 5; row < Map->Rows() - 5 && !found; ++row)
        for (int column = 5; column < Map->Columns() - 5 && !found; ++column) {
            bool solid = true;
            for (int r = row - 5; r <= row + 5 && solid; ++r)
                for (int c = column - 5; c <= column + 5 && solid; ++c)
                    solid = !Map->Free_At(c * Route_Map::Step, r * Route_Map::Step);
            if (!solid)
                continue;
            found = true;
            const Point inside(static_cast<Sint16>(column * Route_Map::Step), static_cast<Sint16>(row * Route_Map::Step));
            EXPECT_TRUE(Map->Route(Point(1568, 2048), inside).empty());
            EXPECT_TRUE(Map->Route(inside, Point(1568, 2048)).empty());
        }
    EXPECT_TRUE(found) << "the shipped field has no solid area left to test with";
}

} // namespace
