#include "GroundTileset.hpp"
#include "SceneryLayout.hpp"
#include "WorldMap.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {
using GT = GroundTileset;
using SC = SceneryCatalog;
constexpr int T = GT::Tile;

bool corner(int mask, int bit) { return (mask & bit) != 0; }

// One world for all the checks: it takes a moment to lay out.
const WorldMap& world() {
    static const WorldMap map;
    return map;
}
const SceneryLayout& scenery() {
    static const SceneryLayout layout(world());
    return layout;
}

bool solid(SC::Kind k) {
    std::string t = SC::get(k).type;
    return t != "Small_Vegetal" && t != "Small_Mineral";
}
} // namespace

TEST(WorldMap, GroundSpritesLieOnTheLatticeInsideTheField) {
    ASSERT_FALSE(world().background().empty());
    for (const PlacedSprite& s : world().background()) {
        ASSERT_EQ(s.x % WorldMap::Tile, 0);
        ASSERT_EQ(s.y % WorldMap::Tile, 0);
        ASSERT_TRUE(s.x >= 0 && s.x < WorldMap::Width && s.y >= 0 && s.y < WorldMap::Height);
    }
}

TEST(WorldMap, BridgesSpanTheRiverWhereRoadsCrossIt) {
    int bridges = 0, overWater = 0;
    for (int ty = 0; ty < WorldMap::TilesY; ++ty)
        for (int tx = 0; tx < WorldMap::TilesX; ++tx)
            if (world().tileBridge(tx, ty)) {
                ++bridges;
                overWater += world().tileHas(tx, ty, GT::River) ? 1 : 0;
            }
    EXPECT_GE(bridges, 2 * 9);
    EXPECT_GT(overWater, bridges / 2);
}

TEST(WorldMap, TheVillageCentreIsPavedAndTheZonesAreNotFlooded) {
    Point v = WorldMap::villageCentre();
    EXPECT_TRUE(world().tileHas(v.x / 32, v.y / 32, GT::Way));
    // The worms' corner: no river and no snow anywhere in it.
    for (int ty = 2496 / 32; ty < 4096 / 32; ++ty)
        for (int tx = 2000 / 32; tx < 3328 / 32; ++tx) {
            ASSERT_FALSE(world().tileHas(tx, ty, GT::River)) << tx << "," << ty;
            ASSERT_FALSE(world().tileHas(tx, ty, GT::Snow)) << tx << "," << ty;
        }
}

TEST(SceneryLayout, SolidObjectsNeverOverlapAndStayOnTheField) {
    const auto& objects = scenery().objects();
    ASSERT_GT(objects.size(), 500u);
    for (std::size_t i = 0; i < objects.size(); ++i) {
        Rect img = objects[i].image();
        ASSERT_TRUE(img.x >= 0 && img.y >= 0 && img.x + img.w <= WorldMap::Width && img.y + img.h <= WorldMap::Height);
        if (!solid(objects[i].kind))
            continue;
        for (std::size_t j = i + 1; j < objects.size(); ++j) {
            if (!solid(objects[j].kind))
                continue;
            bool walls = SC::get(objects[i].kind).type == std::string("Wall") &&
                         SC::get(objects[j].kind).type == std::string("Wall");
            if (!walls) { // wall pieces of one wall may touch and overlap
                ASSERT_FALSE(objects[i].box().overlaps(objects[j].box()))
                    << SC::get(objects[i].kind).stem << " and " << SC::get(objects[j].kind).stem;
            }
        }
    }
}

// The Environment layer is drawn by x, then y: where two pictures overlap,
// the one drawn later must be the one standing in front.
TEST(SceneryLayout, OverlappingPicturesAreDrawnBackToFront) {
    std::vector<PlacedSprite> sprites = scenery().sprites();
    const auto& objects = scenery().objects();
    for (std::size_t i = 0; i < objects.size(); ++i)
        for (std::size_t j = 0; j < objects.size(); ++j) {
            if (i == j || !objects[i].image().overlaps(objects[j].image()))
                continue;
            const SceneryObject& a = objects[i];
            const SceneryObject& b = objects[j];
            bool bLater = b.x > a.x || (b.x == a.x && b.y > a.y);
            if (bLater) {
                ASSERT_GE(b.image().y + b.image().h, a.image().y + a.image().h)
                    << SC::get(a.kind).stem << " at " << a.x << "," << a.y << " and " << SC::get(b.kind).stem;
            }
        }
    for (std::size_t i = 1; i < sprites.size(); ++i)
        ASSERT_TRUE(sprites[i - 1].x < sprites[i].x || (sprites[i - 1].x == sprites[i].x && sprites[i - 1].y <= sprites[i].y));
}

TEST(SceneryLayout, PeopleStartAndPatrolOnTheirLattice) {
    Point g = SceneryLayout::guardStart();
    for (Point p : SceneryLayout::guardPatrol()) {
        EXPECT_EQ((p.x - g.x) % 32, 0);
        EXPECT_EQ((p.y - g.y) % 32, 0);
    }
    EXPECT_EQ(SceneryLayout::guardPatrol().front().x, g.x);
    EXPECT_EQ(SceneryLayout::guardPatrol().front().y, g.y);
}

// Each corner is in the terrain when its bit of the mask is set. Two pieces
// that share an edge whose two corners are both in (or both out of) the
// terrain must cover that whole edge (or leave it bare): otherwise a seam of
// grass, or a notch of terrain, shows between neighbours.
TEST(GroundTileset, CornersFollowTheMaskAndEdgesWithBothCornersAlikeAreWhole) {
    for (int t = 0; t < GT::TerrainCount; ++t)
        for (int mask = 0; mask < 16; ++mask) {
            auto terrain = static_cast<GT::Terrain>(t);
            EXPECT_EQ(GT::inside(terrain, mask, 0, 0), corner(mask, 1));
            EXPECT_EQ(GT::inside(terrain, mask, T - 1, 0), corner(mask, 2));
            EXPECT_EQ(GT::inside(terrain, mask, 0, T - 1), corner(mask, 4));
            EXPECT_EQ(GT::inside(terrain, mask, T - 1, T - 1), corner(mask, 8));
            struct Edge {
                int a, b; // corner bits
                bool vertical;
                int fixed;
            } edges[] = {{1, 2, false, 0}, {4, 8, false, T - 1}, {1, 4, true, 0}, {2, 8, true, T - 1}};
            for (const Edge& e : edges) {
                if (corner(mask, e.a) != corner(mask, e.b))
                    continue;
                for (int i = 0; i < T; ++i) {
                    int x = e.vertical ? e.fixed : i, y = e.vertical ? i : e.fixed;
                    ASSERT_EQ(GT::inside(terrain, mask, x, y), corner(mask, e.a))
                        << GT::stem(terrain) << " mask " << mask << " at " << x << "," << y;
                }
            }
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

TEST(GroundTileset, DefaultGrassIsOpaqueAndMountainKeepsTheGameSpelling) {
    Image g = GT::defaultGrass();
    ASSERT_EQ(g.width(), GT::GrassSize);
    EXPECT_FALSE(g.hasTransparency());
    EXPECT_STREQ(GT::typeName(GT::Moutain), "Moutain");
    EXPECT_STREQ(GT::typeName(GT::Withered), "Grass");
}
