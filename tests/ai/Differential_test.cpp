// The game's indexed collision test and path finder against the plain scans
// of Reference_Scans.hpp, on the shipped battlefield, over seeded random
// boxes and searches: same answers, same rectangles, same paths.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Shipped_World.hpp"
#include "ai/AI.hpp"
#include "ai/Characters_Map.hpp"
#include "ai/PathFinder.hpp"
#include "ai/Reference_Scans.hpp"
#include "battlefield/BattleField.hpp"
#include "shell/Config.hpp"
#include "shell/Game_Random.hpp"

using GLINT::SDL::Point;
using GLINT::SDL::Rect;
using reference::Kind_Character;
using reference::Text;

namespace {

// Every ground and scenery type a kind may not enter is met within the first thousand boxes of
// each kind, and dozens of times within ten thousand. Sanitized builds are there to watch memory
// and threads, not to repeat the whole sweep several times slower: they take a fifth of it.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
const int Boxes_Per_Kind = 2000;
const int Searches = 200;
#else
const int Boxes_Per_Kind = 10000;
const int Searches = 2000;
#endif

const Character_Kind All_Kinds[] = {Character_Kind::Player, Character_Kind::NPC, Character_Kind::Monster_Skeleton,
                                    Character_Kind::Monster_Worm, Character_Kind::Character};

class Shipped_Differential : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        shipped::In_Game_Dir inside;
        std::string file = Get_Config_Value("Config/Dev_Config.ini", "BF_Map");
        if (file.empty())
            file = "Data/Battlefield/Varnholt_BF.xml";
        Field = new BattleField(file);
        World = new reference::World(*Field);
    }
    static void TearDownTestSuite() {
        delete World;
        World = nullptr;
        delete Field;
        Field = nullptr;
    }
    void SetUp() override { Characters_Map::Instance().Clear(); }

    // Half the draws land near a scenery cell, where most of the obstacles are.
    static Point Draw_Spot(int margin) {
        if (Game_Random::Between(0, 1) == 0 && !World->Environment.empty()) {
            const reference::Layer_Cell& cell =
                World->Environment[static_cast<std::size_t>(Game_Random::Between(0, static_cast<int>(World->Environment.size()) - 1))];
            return Point(static_cast<Sint16>(cell.X + Game_Random::Between(-48, 48)),
                         static_cast<Sint16>(cell.Y + Game_Random::Between(-48, 48)));
        }
        return Point(static_cast<Sint16>(Game_Random::Between(-margin, BF_Width + margin)),
                     static_cast<Sint16>(Game_Random::Between(-margin, BF_Height + margin)));
    }

    static BattleField* Field;
    static reference::World* World;
};

BattleField* Shipped_Differential::Field = nullptr;
reference::World* Shipped_Differential::World = nullptr;

TEST_F(Shipped_Differential, CollisionTestMatchesTheFullScanForEveryKind) {
    const int boxes = Boxes_Per_Kind;
    for (Character_Kind kind : All_Kinds) {
        SCOPED_TRACE("kind " + std::to_string(static_cast<int>(kind)));
        Game_Random::Seed(1000u + static_cast<unsigned>(kind));
        Kind_Character character(kind);
        CH_Base_All_Infos& infos = character.Infos();
        int mismatches = 0, blocked = 0, moved = 0;
        std::string first;
        for (int n = 0; n < boxes; ++n) {
            const Point spot = Draw_Spot(64);
            const Rect box(spot.getx(), spot.gety(), static_cast<Uint16>(Game_Random::Between(0, 80)),
                           static_cast<Uint16>(Game_Random::Between(0, 80)));
            // Now and then a smaller allowed area, so that its edges are met too.
            Rect area(0, 0, static_cast<Uint16>(BF_Width), static_cast<Uint16>(BF_Height));
            if (Game_Random::Between(0, 7) == 0)
                area = Rect(static_cast<Sint16>(spot.getx() - Game_Random::Between(0, 100)),
                            static_cast<Sint16>(spot.gety() - Game_Random::Between(0, 100)),
                            static_cast<Uint16>(Game_Random::Between(0, 250)),
                            static_cast<Uint16>(Game_Random::Between(0, 250)));
            infos.Allowed_Area = area;
            for (bool correct : {false, true}) {
                infos.Collision_Rect = box;
                const bool expected = reference::Manage_Collisions_BF(*World, character, correct);
                const Rect expectedRect = infos.Collision_Rect;
                infos.Collision_Rect = box;
                const bool got = AI::Manage_Collisions_BF(*Field, character, correct);
                if (got != expected || !(infos.Collision_Rect == expectedRect)) {
                    if (mismatches++ == 0)
                        first = "box " + Text(box) + " area " + Text(area) + " correct " +
                                std::to_string(correct) + ": expected " + std::to_string(expected) + " " +
                                Text(expectedRect) + ", got " + std::to_string(got) + " " +
                                Text(infos.Collision_Rect);
                }
                if (!correct)
                    blocked += !expected;
                else
                    moved += !(expectedRect == box);
            }
        }
        EXPECT_EQ(mismatches, 0) << "first: " << first;
        // The draws must meet obstacles often enough to mean something.
        EXPECT_GT(blocked, boxes / 10);
        EXPECT_GT(moved, boxes / 10);
    }
}

TEST_F(Shipped_Differential, PathFinderMatchesTheLiteralSearch) {
    Game_Random::Seed(77u);
    const int searches = Searches;
    const int grids[] = {8, 12, 16, 24, 32};
    reference::Literal_PathFinder literal(*World);
    int mismatches = 0, found = 0, none = 0, straight = 0;
    // How the searches went: a blocked destination moved in the first ring, in the second, or
    // nowhere; the node limit met.
    int rings[4] = {}, limit = 0; // by ring + 1
    std::string first;
    for (int n = 0; n < searches; ++n) {
        const Character_Kind kind = All_Kinds[Game_Random::Between(0, 4)];
        Kind_Character character(kind);
        CH_Base_All_Infos& infos = character.Infos();
        const int xModifier = Game_Random::Between(0, 16), yModifier = Game_Random::Between(0, 24);
        const int width = Game_Random::Between(12, 32), height = Game_Random::Between(12, 40);
        // A start the character may stand on, as in the game.
        Point start;
        for (int attempt = 0; attempt < 50; ++attempt) {
            start = Draw_Spot(0);
            character.Place(start.getx(), start.gety(), xModifier, yModifier, width, height);
            if (reference::Manage_Collisions_BF(*World, character, false))
                break;
        }
        character.Place(start.getx(), start.gety(), xModifier, yModifier, width, height);
        const int grid = grids[Game_Random::Between(0, 4)];
        // On the lattice through the start and a few steps away, so that most
        // searches end well inside the node limit; a few off it, which never do.
        Point destination(static_cast<Sint16>(start.getx() + grid * Game_Random::Between(-5, 5)),
                          static_cast<Sint16>(start.gety() + grid * Game_Random::Between(-5, 5)));
        if (Game_Random::Between(0, 49) == 0)
            destination.setx(static_cast<Sint16>(destination.getx() + Game_Random::Between(1, grid - 1)));
        const Point gridSize(static_cast<Sint16>(grid), static_cast<Sint16>(grid));

        const Point_List expected = literal.Get_Path(start, destination, gridSize, character);
        const Rect expectedRect = infos.Collision_Rect;
        infos.Collision_Rect = infos.Home_Collision_Rect();
        PathFinder finder;
        const Point_List got = finder.Get_Path(start, destination, gridSize, character, *Field);
        if (got != expected || !(infos.Collision_Rect == expectedRect)) {
            if (mismatches++ == 0)
                first = "start (" + std::to_string(start.getx()) + ", " + std::to_string(start.gety()) +
                        ") destination (" + std::to_string(destination.getx()) + ", " +
                        std::to_string(destination.gety()) + ") grid " + std::to_string(grid) + " box " +
                        Text(infos.Home_Collision_Rect()) + " kind " + std::to_string(static_cast<int>(kind)) +
                        ": expected " + Text(expected) + ", got " + Text(got);
        }
        ++rings[literal.Ring + 1];
        limit += literal.Expanded >= PathFinder::Max_Closed_Nodes;
        if (expected.empty())
            ++none;
        else if (expected.size() == 1)
            ++straight;
        else
            ++found;
    }
    EXPECT_EQ(mismatches, 0) << "first: " << first;
    // Real searches, both ways out, the short cut and every turn a search can take: each must
    // have been met.
    EXPECT_GT(found, searches / 4);
    EXPECT_GT(none, searches / 50);
    EXPECT_GT(straight, searches / 50);
    for (int met : {rings[0], rings[2], rings[3], limit})
        EXPECT_GT(met, 0);
    std::printf("[          ] %d routes, %d straight to the destination, %d without a path; blocked destinations "
                "moved %d + %d times, left %d times; %d searches at the node limit\n",
                found, straight, none, rings[2], rings[3], rings[0], limit);
}

} // namespace
