// The collision tests against the battlefield and the other characters,
// the register of characters, and the grid size.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ai/AI.hpp"
#include "ai/Characters_Map.hpp"
#include "ai/Reference_Scans.hpp"
#include "characters/Character_Animation.hpp"
#include "characters/Character_Animations_Center.hpp"
#include "characters/Animation_Fixture.hpp"

using bf_test::Error_Of;
using GLINT::SDL::Rect;
using reference::Ground;
using reference::Kind_Character;
using reference::Text;

namespace {

// --- Against the battlefield ---

// Lakes a skeleton may not enter and a wall whose box is not its picture. The shipped field's
// sweep in Differential_test.cpp meets touching boxes, empty boxes, allowed areas and every
// terrain rule by the thousands; these rows are the rules themselves, and a layout it lacks.
class Battlefield_Collisions : public ::testing::Test {
protected:
    void SetUp() override { Characters_Map::Instance().Clear(); }

    reference::Box_Field field{{
        Ground(100, 100, 32, 32),
        // Two lakes one above the other: the second is met after the first has moved the box.
        Ground(400, 100, 32, 32),
        Ground(400, 132, 32, 32),
        // A small lake right of and below the box of the last scenario, then
        // a cell further on in layer order whose box reaches back over it.
        Ground(730, 130, 32, 32),
        {false, 740, 200, -50, -140, 100, 200, "Lake"},
        {true, 1000, 100, 0, 10, 32, 20, "Wall"},
    }};
};

struct BF_Scenario {
    const char* Name;
    Character_Kind Kind;
    Rect Box;
    bool Correct;
    bool Result;
    Rect Expected;
    Rect Area = Rect(0, 0, 2000, 1000);
};

TEST_F(Battlefield_Collisions, Scenarios) {
    const Character_Kind skeleton = Character_Kind::Monster_Skeleton, player = Character_Kind::Player;
    const Rect small(500, 500, 100, 100);
    const std::vector<BF_Scenario> scenarios = {
        {"touching is no collision", skeleton, Rect(68, 100, 32, 32), true, true, Rect(68, 100, 32, 32)},
        {"a square overlap goes out sideways, to the near side", skeleton, Rect(90, 90, 32, 32), true, false,
         Rect(68, 90, 32, 32)},
        {"an overlap past the middle goes out the far side", skeleton, Rect(125, 100, 32, 32), true, false,
         Rect(132, 100, 32, 32)},
        {"a wide overlap goes out upward", skeleton, Rect(100, 80, 32, 32), true, false, Rect(100, 68, 32, 32)},
        {"the second cell is tested against the moved box", skeleton, Rect(410, 120, 20, 20), true, false,
         Rect(380, 132, 20, 20)},
        {"cells after one lying right of and below the box are still tested", skeleton, Rect(700, 100, 20, 20), true,
         false, Rect(670, 100, 20, 20)},
        {"scenery collides through its box, not its picture", skeleton, Rect(1005, 100, 10, 10), true, true,
         Rect(1005, 100, 10, 10)},
        {"scenery pushes out of its box", skeleton, Rect(1005, 105, 10, 10), true, false, Rect(1005, 100, 10, 10)},
        {"without correction, blocked and left as it was", skeleton, Rect(90, 90, 32, 32), false, false,
         Rect(90, 90, 32, 32)},
        {"half out of the field: clamped in, false with nothing else met", skeleton, Rect(-10, 300, 20, 20), true,
         false, Rect(0, 300, 20, 20)},
        {"out of the field without correction: false, untouched", skeleton, Rect(1990, 10, 20, 20), false, false,
         Rect(1990, 10, 20, 20)},
        // A smaller allowed area.
        {"exactly on its far edges", player, Rect(580, 580, 20, 20), false, true, Rect(580, 580, 20, 20), small},
        {"over its right edge and above", player, Rect(590, 450, 20, 20), true, false, Rect(580, 500, 20, 20), small},
    };
    for (const BF_Scenario& s : scenarios) {
        SCOPED_TRACE(s.Name);
        Kind_Character character(s.Kind);
        character.Place(0, 0, 0, 0, s.Box.getw(), s.Box.geth());
        character.Infos().Allowed_Area = s.Area;
        character.Infos().Collision_Rect = s.Box;
        EXPECT_EQ(AI::Manage_Collisions_BF(*field, character, s.Correct), s.Result);
        EXPECT_EQ(Text(character.Infos().Collision_Rect), Text(s.Expected));
    }
}

// --- Against the other characters, and their register ---

class Registered : public ::testing::Test {
protected:
    void SetUp() override { Characters_Map::Instance().Clear(); }
    void TearDown() override { Characters_Map::Instance().Clear(); }

    // An NPC with the box (x + xModifier, y + yModifier, w, h), registered at (x, y).
    Kind_Character* Add(int x, int y, int xModifier = 0, int yModifier = 0, int w = 10, int h = 10) {
        characters.push_back(std::make_unique<Kind_Character>(Character_Kind::NPC));
        characters.back()->Place(x, y, xModifier, yModifier, w, h);
        AI::Fill_Collision_Map(characters.back()->Infos().X, characters.back()->Infos().Y, characters.back().get());
        return characters.back().get();
    }

    // Positions of the entries, in register order.
    static std::string Order() {
        std::string text;
        for (const Characters_Map::Entry& entry : Characters_Map::Instance().Entries())
            text += "(" + std::to_string(*entry.X) + "," + std::to_string(*entry.Y) + ")";
        return text;
    }

    std::vector<std::unique_ptr<Kind_Character>> characters;
};
using Character_Collisions = Registered;
using Register = Registered;

TEST_F(Character_Collisions, Scenarios) {
    struct Other {
        int X, Y, X_Modifier, Y_Modifier, W, H;
        int Life_State = 1;
    };
    struct Row {
        const char* Name;
        std::vector<Other> Others; // registered in this order
        int X, Y;                  // the moving character's position...
        Rect Box;                  // ...and the box it wants
        bool Register_Mover, Correct, Result;
        Rect Expected;
        int Mover_Life_State = 1;
    };
    const Other other{100, 100, 0, 0, 20, 20};
    const std::vector<Row> rows = {
        {"touching characters do not collide", {other}, 50, 50, Rect(80, 100, 20, 20), false, true, true,
         Rect(80, 100, 20, 20)},
        {"nor without correction", {other}, 50, 50, Rect(80, 100, 20, 20), false, false, true, Rect(80, 100, 20, 20)},
        {"an overlap is pushed out", {other}, 50, 50, Rect(85, 100, 20, 20), false, true, false, Rect(80, 100, 20, 20)},
        {"without correction: blocked, the box as it was", {other}, 50, 50, Rect(85, 100, 20, 20), false, false, false,
         Rect(85, 100, 20, 20)},
        {"the box comes from the other's position and modifiers", {{90, 80, 10, 20, 10, 10}}, 50, 50,
         Rect(100, 90, 10, 10), false, true, true, Rect(100, 90, 10, 10)},
        {"pushed out of the first in map order, then the second against the moved box",
         {{120, 70, 0, 0, 20, 20}, other}, 50, 50, Rect(105, 110, 20, 20), false, true, false, Rect(100, 80, 20, 20)},
        {"the mover's own entry is passed over", {other}, 200, 200, Rect(200, 200, 20, 20), true, true, true,
         Rect(200, 200, 20, 20)},
        {"so is another character standing exactly where the mover stands", {{300, 300, 0, 0, 20, 20}}, 300, 300,
         Rect(305, 300, 20, 20), false, true, true, Rect(305, 300, 20, 20)},
        // The dead are not drawn: once their death is over they are not there for anyone.
        {"a character whose death is over blocks no one", {{100, 100, 0, 0, 20, 20, -2}}, 50, 50,
         Rect(85, 100, 20, 20), false, true, true, Rect(85, 100, 20, 20)},
        {"a dying one still does", {{100, 100, 0, 0, 20, 20, -1}}, 50, 50, Rect(85, 100, 20, 20), false, true, false,
         Rect(80, 100, 20, 20)},
        {"nor is a dead one blocked", {other}, 50, 50, Rect(85, 100, 20, 20), false, false, true,
         Rect(85, 100, 20, 20), -2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Characters_Map::Instance().Clear();
        characters.clear();
        for (const Other& o : row.Others)
            Add(o.X, o.Y, o.X_Modifier, o.Y_Modifier, o.W, o.H)->Infos().Life_State = static_cast<Sint16>(o.Life_State);
        Kind_Character mover(Character_Kind::Player);
        mover.Place(row.X, row.Y, 0, 0, row.Box.getw(), row.Box.geth());
        mover.Infos().Life_State = static_cast<Sint16>(row.Mover_Life_State);
        if (row.Register_Mover)
            AI::Fill_Collision_Map(mover.Infos().X, mover.Infos().Y, &mover);
        mover.Infos().Collision_Rect = row.Box;
        EXPECT_EQ(AI::Manage_Collisions_CH(mover, row.Correct), row.Result);
        EXPECT_EQ(Text(mover.Infos().Collision_Rect), Text(row.Expected));
    }
}

TEST_F(Character_Collisions, TheBattlefieldFirstAndTheCharactersOnlyWhenItWasClean) {
    const reference::Box_Field field({Ground(100, 100, 32, 32)});
    Add(60, 100, 0, 0, 20, 20);
    Add(1510, 500, 0, 0, 20, 20);
    Kind_Character mover(Character_Kind::Player);
    mover.Place(0, 0, 0, 0, 32, 32);
    struct Row {
        Rect Box;
        bool Correct, Result;
        const char* Expected;
    };
    const Row rows[] = {
        // Out of the lake onto the other character: the call ends with the lake.
        {Rect(90, 90, 32, 32), true, false, "(68,90,32,32)"},
        {Rect(1500, 500, 20, 20), true, false, "(1490,500,20,20)"},
        {Rect(1500, 500, 20, 20), false, false, "(1500,500,20,20)"},
        {Rect(1000, 500, 20, 20), true, true, "(1000,500,20,20)"},
    };
    for (const Row& row : rows) {
        mover.Infos().Collision_Rect = row.Box;
        EXPECT_EQ(AI::Manage_Collisions_Full(mover, *field, row.Correct), row.Result) << row.Expected;
        EXPECT_EQ(Text(mover.Infos().Collision_Rect), row.Expected);
    }
}

TEST_F(Register, OrderedByPositionWhenInsertedNotAfterwards) {
    Kind_Character* first = Add(50, 50);
    Add(10, 10);
    Add(50, 20);
    Add(10, 60);
    EXPECT_EQ(Order(), "(10,10)(10,60)(50,20)(50,50)");

    // Entries show where their characters are now, but keep their place...
    first->Infos().X = 5;
    EXPECT_EQ(Order(), "(10,10)(10,60)(50,20)(5,50)");
    // ...and a newcomer goes before the first entry that is greater now.
    Add(30, 0);
    EXPECT_EQ(Order(), "(10,10)(10,60)(30,0)(50,20)(5,50)");
}

TEST_F(Register, AnOccupiedPlaceIsRefusedWithItsMessage) {
    Add(100, 200);
    Kind_Character* moved = Add(40, 40);
    Kind_Character newcomer(Character_Kind::Monster_Worm);
    const auto enter = [&](int x, int y) {
        newcomer.Place(x, y, 0, 0, 10, 10);
        return Error_Of([&] { AI::Fill_Collision_Map(newcomer.Infos().X, newcomer.Infos().Y, &newcomer); });
    };
    EXPECT_EQ(enter(100, 200), "From AI::Fill_Collision_Map(), Failed To Insert Element @: ( 100, 200) In "
                               "Characters_Map. The Collision Management At Creation Must Have Failed...");
    // Where a character stands now counts, not where it was registered.
    moved->Infos().X = 300;
    moved->Infos().Y = -7;
    EXPECT_EQ(enter(300, -7), "From AI::Fill_Collision_Map(), Failed To Insert Element @: ( 300, -7) In "
                              "Characters_Map. The Collision Management At Creation Must Have Failed...");
    EXPECT_EQ(enter(40, 40), "");
    EXPECT_EQ(Characters_Map::Instance().Size(), 3u);
    EXPECT_TRUE(Characters_Map::Instance().Contains(&newcomer));
}

TEST_F(Register, LeavingByRemovalOrDestructionClearsTheCharacterAsOpponent) {
    Kind_Character* a = Add(10, 10);
    Kind_Character* b = Add(20, 20);
    Kind_Character* c = Add(30, 30);
    a->Infos().CH_Attitudes->Opponent = b;
    c->Infos().CH_Attitudes->Opponent = b;
    b->Infos().CH_Attitudes->Opponent = a;
    // c now stands where b stands: only identity tells their entries apart.
    c->Infos().X = 20;
    c->Infos().Y = 20;

    EXPECT_TRUE(Characters_Map::Instance().Remove(b));
    EXPECT_FALSE(Characters_Map::Instance().Contains(b));
    EXPECT_TRUE(Characters_Map::Instance().Contains(c));
    EXPECT_EQ(Order(), "(10,10)(20,20)");
    EXPECT_EQ(a->Infos().CH_Attitudes->Opponent, nullptr);
    EXPECT_EQ(c->Infos().CH_Attitudes->Opponent, nullptr);
    EXPECT_FALSE(Characters_Map::Instance().Remove(b));

    {
        Kind_Character gone(Character_Kind::Monster_Skeleton);
        gone.Place(50, 50, 0, 0, 10, 10);
        AI::Fill_Collision_Map(gone.Infos().X, gone.Infos().Y, &gone);
        a->Infos().CH_Attitudes->Opponent = &gone;
    }
    EXPECT_EQ(Order(), "(10,10)(20,20)");
    EXPECT_EQ(a->Infos().CH_Attitudes->Opponent, nullptr);
}

// --- The grid size ---

TEST(Grid_Size, OneFullWalkOrRunCycle) {
    Characters_Map::Instance().Clear();
    anim_test::Animation_Files files;
    files.Write_Animation("Walk", anim_test::Sheet(8));
    files.Write_Animation("Run", anim_test::Sheet(6));
    Character_Animation walk(files.Description(), "Walk", files.folder);
    Character_Animation run(files.Description(), "Run", files.folder);
    Kind_Character character(Character_Kind::NPC);
    Character_Animations_Center centre(&character, nullptr, nullptr, &walk, &run, nullptr, nullptr, nullptr, nullptr,
                                       false);
    struct Row {
        const char* Name;
        int Velocity, Run_Velocity;
        bool Running, Animated;
        int Side;
    };
    const std::vector<Row> rows = {
        {"walking: velocity times the walk's frames", 3, 7, false, true, 24},
        {"running: run velocity times the run's frames", 3, 7, true, true, 42},
        {"no animations: one frame", 3, 7, false, false, 3},
        {"running without animations", 3, 7, true, false, 7},
        {"no speed: no step", 0, 7, false, true, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Characteristics& stats = *character.Infos().CH_Characteristics;
        stats.Velocity = row.Velocity;
        stats.Run_Velocity = row.Run_Velocity;
        stats.Running = row.Running;
        character.Infos().Animation_Center = row.Animated ? &centre : nullptr;
        const GLINT::SDL::Point side = AI::Get_Grid_Size(character);
        EXPECT_EQ(side.getx(), row.Side);
        EXPECT_EQ(side.gety(), row.Side);
    }
    character.Infos().Animation_Center = nullptr;
}

} // namespace
