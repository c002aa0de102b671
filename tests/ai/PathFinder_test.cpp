// What the differential sweep cannot see: probes saved, a search with nowhere to go.
// Blocked destinations, ties, costs and the node limit are checked there against the literal search.

#include "ai/PathFinder.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ai/Characters_Map.hpp"
#include "ai/Reference_Scans.hpp"

using GLINT::SDL::Point;
using GLINT::SDL::Rect;
using reference::Ground;
using reference::Kind_Character;
using reference::Text;

namespace {

// A skeleton (no lakes) that counts the ground questions it is asked. The
// answers are cached per type, so on a field all grass the count tells
// whether any probe happened at all.
class Counting_Character : public Kind_Character {
public:
    Counting_Character() : Kind_Character(Character_Kind::Monster_Skeleton) {}
    bool Check_BG_Type_Allowed(const std::string& type) override {
        ++Questions;
        return Kind_Character::Check_BG_Type_Allowed(type);
    }
    int Questions = 0;
};

Point P(int x, int y) { return Point(static_cast<Sint16>(x), static_cast<Sint16>(y)); }

class Path_Finder : public ::testing::Test {
protected:
    void SetUp() override { Characters_Map::Instance().Clear(); }

    // Searches from (x, y) for a 10 x 10 box at the position, on a grid of 20.
    static Point_List Search(const reference::Box_Field& field, Counting_Character& character, int x, int y,
                             Point destination, Point grid = P(20, 20)) {
        if (character.Infos().CB_Width == 0)
            character.Place(x, y, 0, 0, 10, 10);
        PathFinder finder;
        const Point_List path = finder.Get_Path(P(x, y), destination, grid, character, *field);
        EXPECT_EQ(Text(character.Infos().Collision_Rect), Text(character.Infos().Home_Collision_Rect()));
        return path;
    }
};

TEST_F(Path_Finder, ShortCutsWithoutAnyProbe) {
    const reference::Box_Field field({Ground(0, 0, 2000, 1000, "Grass")});
    struct Row {
        const char* Name;
        int X, Y;
        Point Destination, Grid;
        const char* Path;
    };
    // The box is 20 x 20 at (X + 5, Y + 10); the 3 x 3 box around it starts a box's size up and left.
    const std::vector<Row> rows = {
        {"the start itself", 100, 100, P(100, 100), P(20, 20), ""},
        {"a destination whose box overlaps the character's", 100, 100, P(110, 95), P(20, 20), "(110,95)"},
        {"inside the 3 x 3 box", 100, 100, P(140, 145), P(20, 20), "(140,145)"},
        {"inside the 3 x 3 box raised to the field's corner", 5, 5, P(50, 52), P(20, 20), "(50,52)"},
        {"no step to walk with", 100, 100, P(300, 100), P(0, 20), ""},
        {"no step along y", 100, 100, P(300, 100), P(20, 0), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Counting_Character character;
        character.Place(row.X, row.Y, 5, 10, 20, 20);
        // Wherever the rectangle was left, it ends on the character.
        character.Infos().Collision_Rect.setx(0);
        EXPECT_EQ(Text(Search(field, character, row.X, row.Y, row.Destination, row.Grid)), row.Path);
        EXPECT_EQ(character.Questions, 0);
    }
    // On the 3 x 3 box's edge it takes a search (box 20 x 20 at the position: the edges fall on the lattice).
    Counting_Character character;
    character.Place(100, 100, 0, 0, 20, 20);
    EXPECT_EQ(Text(Search(field, character, 100, 100, P(140, 100))), "(120,100)(140,100)");
    EXPECT_GT(character.Questions, 0);
}

TEST_F(Path_Finder, NoWayOut) {
    // Every neighbour of the start under a lake: the open list runs dry.
    std::vector<reference::Placed_Box> lakes;
    for (int i = -1; i <= 1; ++i)
        for (int j = -1; j <= 1; ++j)
            if (i != 0 || j != 0)
                lakes.push_back(Ground(100 + 20 * i, 100 + 20 * j, 10, 10));
    const reference::Box_Field field(lakes);
    Counting_Character character;
    EXPECT_EQ(Text(Search(field, character, 100, 100, P(300, 300))), "");
}

TEST_F(Path_Finder, NodesOnTheCharactersOwnBoxNeedNoProbe) {
    // Standing in a lake it may not enter (pushed there, say): the first
    // steps still overlap its own box, so it can walk out.
    const reference::Box_Field field({Ground(0, 0, 130, 1000)});
    Counting_Character character;
    character.Place(100, 100, 0, 0, 30, 30);
    EXPECT_EQ(Text(Search(field, character, 100, 100, P(200, 100), P(10, 10))),
              "(110,100)(120,100)(130,100)(140,100)(150,100)(160,100)(170,100)(180,100)(190,100)(200,100)");
}

} // namespace
