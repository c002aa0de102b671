#include "battlefield/BF_Layer_Index.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "battlefield/BF_Fixture.hpp"
#include "battlefield/BattleField_Sprite.hpp"
#include "shell/Game_Random.hpp"

using GLINT::SDL::Rect;

namespace {

// A layer built by hand over sprites that are nothing but collision boxes.
class Layer_Index : public ::testing::Test {
protected:
    ~Layer_Index() override {
        for (auto& entry : mapping)
            delete entry.second;
    }

    void Sprite(int id, int xModifier, int yModifier, int w, int h) {
        const std::string name = "s" + std::to_string(id);
        files.Write_Sprite(name, "Lake", 8, 8, id % 6,
                           "<CollisionBox_Dimensions><X_Modifier>" + std::to_string(xModifier) +
                               "</X_Modifier><Y_Modifier>" + std::to_string(yModifier) + "</Y_Modifier><CB_Width>" +
                               std::to_string(w) + "</CB_Width><CB_Height>" + std::to_string(h) +
                               "</CB_Height></CollisionBox_Dimensions>",
                           1, 1);
        mapping[id] = new BattleField_Sprite(files.folder, name + ".xml");
    }

    void Place(int x, int y, int id) {
        placed.push_back(std::make_unique<BF_Sprite_Infos>(id, 0, 0));
        layer.emplace(std::make_pair(x, y), placed.back().get());
    }

    // Every cell Next hands out from the start, in turn.
    static std::vector<int> Walk(const BF_Layer_Index& index, const Rect& rect) {
        std::vector<int> found;
        for (int i = index.Next(rect, -1); i >= 0; i = index.Next(rect, i))
            found.push_back(i);
        return found;
    }

    // What a scan of every cell finds: the first after `after` whose
    // intersection with rect has a positive width and height.
    static int Scan(const BF_Layer_Index& index, const Rect& rect, int after) {
        for (int i = after + 1; i < static_cast<int>(index.Size()); ++i) {
            const BF_Layer_Index::Cell& c = index.Get_Cell(i);
            const int w = std::min(c.X + c.W, rect.getx() + rect.getw()) - std::max<int>(c.X, rect.getx());
            const int h = std::min(c.Y + c.H, rect.gety() + rect.geth()) - std::max<int>(c.Y, rect.gety());
            if (w > 0 && h > 0)
                return i;
        }
        return -1;
    }

    bf_test::BF_Fixture files;
    BF_Sprite_Mapping mapping;
    BF_Layer layer;
    std::vector<std::unique_ptr<BF_Sprite_Infos>> placed;
};

TEST_F(Layer_Index, CellsInLayerOrderWithoutEmptyBoxes) {
    Sprite(1, 0, 0, 16, 16);
    Sprite(2, -4, -8, 0, 10);
    Sprite(3, 0, 0, 10, -5);
    Sprite(4, 5, 6, 7, 8);
    Place(50, 10, 1);
    Place(0, 0, 4);
    Place(0, 0, 1); // same place: after the first, as in the file
    Place(20, 20, 2);
    Place(30, 30, 3);
    const BF_Layer_Index index(layer, mapping);

    ASSERT_EQ(index.Size(), 3u);
    struct Expected {
        int X, Y, W, H, Id;
    };
    const Expected expected[] = {{5, 6, 7, 8, 4}, {0, 0, 16, 16, 1}, {50, 10, 16, 16, 1}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const BF_Layer_Index::Cell& cell = index.Get_Cell(i);
        EXPECT_EQ(cell.X, expected[i].X);
        EXPECT_EQ(cell.Y, expected[i].Y);
        EXPECT_EQ(cell.W, expected[i].W);
        EXPECT_EQ(cell.H, expected[i].H);
        EXPECT_EQ(cell.Sprite, mapping.at(expected[i].Id));
    }
}

TEST_F(Layer_Index, AnEmptyLayerHasNothing) {
    const BF_Layer_Index index(layer, mapping);
    EXPECT_EQ(index.Size(), 0u);
    EXPECT_EQ(index.Next(Rect(0, 0, 100, 100), -1), -1);
}

TEST_F(Layer_Index, NextScenarios) {
    Sprite(1, 0, 0, 32, 32);
    Sprite(2, -100, -10, 300, 20); // reaches far left of its cell, over many buckets
    Place(100, 100, 1);            // cell 0: (100, 100, 32, 32)
    Place(300, 60, 2);             // cell 1: (200, 50, 300, 20)
    Place(400, 40, 1);             // cell 2: (400, 40, 32, 32)
    const BF_Layer_Index index(layer, mapping);
    ASSERT_EQ(index.Size(), 3u);

    struct Row {
        const char* Name;
        Rect Box;
        std::vector<int> Found;
    };
    const std::vector<Row> rows = {
        {"touching the left edge", Rect(80, 100, 20, 20), {}},
        {"touching the bottom edge", Rect(100, 132, 20, 20), {}},
        {"touching a corner", Rect(132, 132, 5, 5), {}},
        {"one pixel in", Rect(131, 131, 5, 5), {0}},
        {"an empty box", Rect(110, 110, 0, 5), {}},
        {"far away", Rect(-3000, -3000, 50, 50), {}},
        {"left of and above every cell", Rect(-50, -50, 60, 60), {}},
        {"under the long box only, far from its cell", Rect(210, 55, 4, 4), {1}},
        {"over two cells, in layer order", Rect(410, 45, 10, 20), {1, 2}},
        {"over everything", Rect(0, 0, 1000, 1000), {0, 1, 2}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(Walk(index, row.Box), row.Found);
    }
    // Starting after a cell passes over it and everything before it.
    EXPECT_EQ(index.Next(Rect(0, 0, 1000, 1000), 0), 1);
    EXPECT_EQ(index.Next(Rect(0, 0, 1000, 1000), 2), -1);
}

TEST_F(Layer_Index, AgreesWithAFullScanOnRandomBoxes) {
    Game_Random::Seed(4242u);
    for (int id = 1; id <= 30; ++id)
        Sprite(id, Game_Random::Between(-120, 60), Game_Random::Between(-120, 60), Game_Random::Between(-2, 220),
               Game_Random::Between(-2, 160));
    for (int n = 0; n < 400; ++n)
        Place(Game_Random::Between(-300, 1500), Game_Random::Between(-300, 1200), Game_Random::Between(1, 30));
    const BF_Layer_Index index(layer, mapping);

    int mismatches = 0, hits = 0;
    for (int n = 0; n < 20000; ++n) {
        const Rect box(static_cast<Sint16>(Game_Random::Between(-500, 1700)),
                       static_cast<Sint16>(Game_Random::Between(-500, 1400)),
                       static_cast<Uint16>(Game_Random::Between(0, 150)), static_cast<Uint16>(Game_Random::Between(0, 150)));
        const int after = Game_Random::Between(-1, static_cast<int>(index.Size()) - 1);
        const int expected = Scan(index, box, after);
        mismatches += index.Next(box, after) != expected;
        hits += expected >= 0;
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(hits, 5000);
}

} // namespace
