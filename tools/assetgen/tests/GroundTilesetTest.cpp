#include "GroundTileset.hpp"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {
using GT = GroundTileset;
constexpr int T = GT::Tile;

bool corner(int mask, int bit) { return (mask & bit) != 0; }
} // namespace

// Two pieces that share an edge whose two corners are both in (or both out
// of) the terrain must cover that whole edge (or leave it bare): otherwise a
// seam of grass, or a notch of terrain, shows between neighbours.
TEST(GroundTileset, EdgesWithBothCornersAlikeAreWhole) {
    for (int t = 0; t < GT::TerrainCount; ++t)
        for (int mask = 0; mask < 16; ++mask) {
            auto terrain = static_cast<GT::Terrain>(t);
            struct Edge {
                int a, b; // corner bits
                bool vertical;
                int fixed;
            } edges[] = {{1, 2, false, 0}, {4, 8, false, T - 1}, {1, 4, true, 0}, {2, 8, true, T - 1}};
            for (const Edge& e : edges) {
                if (corner(mask, e.a) != corner(mask, e.b))
                    continue;
                bool want = corner(mask, e.a);
                for (int i = 0; i < T; ++i) {
                    int x = e.vertical ? e.fixed : i, y = e.vertical ? i : e.fixed;
                    ASSERT_EQ(GT::inside(terrain, mask, x, y), want)
                        << GT::stem(terrain) << " mask " << mask << " at " << x << "," << y;
                }
            }
        }
}

TEST(GroundTileset, CornersFollowTheMask) {
    for (int t = 0; t < GT::TerrainCount; ++t)
        for (int mask = 0; mask < 16; ++mask) {
            auto terrain = static_cast<GT::Terrain>(t);
            EXPECT_EQ(GT::inside(terrain, mask, 0, 0), corner(mask, 1));
            EXPECT_EQ(GT::inside(terrain, mask, T - 1, 0), corner(mask, 2));
            EXPECT_EQ(GT::inside(terrain, mask, 0, T - 1), corner(mask, 4));
            EXPECT_EQ(GT::inside(terrain, mask, T - 1, T - 1), corner(mask, 8));
        }
}

TEST(GroundTileset, EveryPieceAndVariantHasItsOwnCell) {
    std::set<std::pair<int, int>> used;
    for (int mask = 1; mask < 15; ++mask) {
        int c, r;
        GT::cell(mask, 0, c, r);
        EXPECT_TRUE(used.insert({c, r}).second) << "mask " << mask;
    }
    for (int v = 0; v < GT::PlainVariants; ++v) {
        int c, r;
        GT::cell(15, v, c, r);
        EXPECT_TRUE(c >= 0 && c < GT::Columns && r >= 0 && r < GT::Rows);
        EXPECT_TRUE(used.insert({c, r}).second) << "plain variant " << v;
    }
}

// Each piece's pixels are drawn exactly where the terrain is, and the
// collision box bounds them.
TEST(GroundTileset, PicturesAndBoxesMatchTheShapes) {
    for (int t = 0; t < GT::TerrainCount; ++t) {
        auto terrain = static_cast<GT::Terrain>(t);
        Image sheet = GT::tileset(terrain);
        ASSERT_EQ(sheet.width(), GT::Columns * T);
        ASSERT_EQ(sheet.height(), GT::Rows * T);
        for (int mask = 1; mask < 15; ++mask) {
            int c, r, bx, by, bw, bh;
            GT::cell(mask, 0, c, r);
            GT::box(terrain, mask, bx, by, bw, bh);
            for (int y = 0; y < T; ++y)
                for (int x = 0; x < T; ++x) {
                    bool in = GT::inside(terrain, mask, x, y);
                    ASSERT_EQ(sheet.opaque(c * T + x, r * T + y), in) << GT::stem(terrain) << " mask " << mask;
                    if (in) {
                        ASSERT_TRUE(x >= bx && x < bx + bw && y >= by && y < by + bh);
                    }
                }
        }
    }
}

TEST(GroundTileset, DefaultGrassIsOpaqueAndSeamless) {
    Image g = GT::defaultGrass();
    ASSERT_EQ(g.width(), GT::GrassSize);
    EXPECT_FALSE(g.hasTransparency());
}

TEST(GroundTileset, MountainKeepsTheGameSpelling) {
    EXPECT_STREQ(GT::typeName(GT::Moutain), "Moutain");
    EXPECT_STREQ(GT::typeName(GT::Withered), "Grass");
}
