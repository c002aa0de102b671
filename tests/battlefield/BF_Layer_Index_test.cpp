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
        files.Write_Sprite(name, "Lake", 8, 8, id % 6, bf_test::BF_Fixture::Box(xModifier, yModifier, w, h), 1, 1);
        mapping[id] = new BattleField_Sprite(files.folder, name + ".xml");
    }

    void Place(int x, int y, int id) {
        placed.push_back(std::make_unique<BF_Sprite_Infos>(id, 0, 0));
        layer.emplace(std::make_pair(x, y), placed.back().get());
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

// Boxes that touch a cell, empty boxes, cells reaching far from their place over many buckets,
// searches starting after any cell: met by the thousands here.
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
