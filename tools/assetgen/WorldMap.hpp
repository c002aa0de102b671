#pragma once

#include "GroundTileset.hpp"

#include <vector>

// One sprite placed on a layer: top-left pixel, sprite id, tileset row
// (SubType) and column (Orientation).
struct PlacedSprite {
    int x, y, id, subType, orientation;
};

struct Point {
    int x, y;
};

// The battlefield's ground: a terrain per lattice vertex (corner of the
// 32-pixel tiles), turned into the Background layer by corner-based
// autotiling. Regions, roads, river, lake and mountains are laid out around
// the four monster zones.
class WorldMap {
public:
    static constexpr int Width = 3328;
    static constexpr int Height = 4096;
    static constexpr int Tile = 32;
    static constexpr int TilesX = Width / Tile;
    static constexpr int TilesY = Height / Tile;
    static constexpr int GrassId = 1;
    static constexpr int BridgeId = 950;

    enum Ground { Grass, Withered, Earth, Sand, Snow };
    enum Feature { None, Way, River, Lake, Lava, Moutain };

    WorldMap();

    // Background layer, in drawing order per tile.
    const std::vector<PlacedSprite>& background() const { return background_; }
    static int groundId(GroundTileset::Terrain t, int mask) { return 100 * (t + 1) + mask; }

    // Terrain types that cover the 32 x 32 tile (tx, ty) in any corner.
    bool tileHas(int tx, int ty, GroundTileset::Terrain t) const;
    // True when every corner of the tile is plain grass (no ground sprite).
    bool tilePlain(int tx, int ty) const;
    bool tileBridge(int tx, int ty) const;
    // Terrain of a vertex as one of the game's types (grass when none).
    Feature featureAt(int vx, int vy) const { return feature_[vidx(vx, vy)]; }
    Ground groundAt(int vx, int vy) const { return ground_[vidx(vx, vy)]; }

    // Named places.
    static Point villageCentre() { return {1600, 2000}; }
    static bool inGraveyard(int x, int y) { return x >= 128 && x < 1024 && y >= 128 && y < 896; }
    static bool inBadlands(int x, int y);
    // The village's ploughed fields, on the 32-pixel lattice.
    static const std::vector<Point>& fields(); // pairs: top-left, bottom-right
    static bool inField(int x, int y);
    bool snowy(int x, int y) const;
    // Distance from a point to the nearest road centre line.
    static double roadDistance(double x, double y);
    static double riverDistance(double x, double y);
    static const std::vector<std::vector<Point>>& roads();
    // Narrow gravel paths inside the graveyard.
    static const std::vector<std::vector<Point>>& paths();

private:
    static constexpr int VX = TilesX + 1, VY = TilesY + 1;
    std::size_t vidx(int vx, int vy) const { return static_cast<std::size_t>(vy) * VX + vx; }
    void assignTerrain();
    void buildBridges();
    void buildBackground();
    int cornerMask(int tx, int ty, GroundTileset::Terrain t) const;
    bool vertexHas(int vx, int vy, GroundTileset::Terrain t) const;

    std::vector<Ground> ground_;
    std::vector<Feature> feature_;
    // Lower terrains also present under a vertex, so borders between two
    // terrains show no grass between them.
    std::vector<unsigned> underlay_;
    std::vector<char> bridge_;
    std::vector<PlacedSprite> background_;
};
