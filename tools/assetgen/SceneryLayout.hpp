#pragma once

#include "SceneryCatalog.hpp"
#include "WorldMap.hpp"

#include <vector>

struct Rect {
    int x, y, w, h;
    bool overlaps(const Rect& o) const {
        return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
    }
};

struct SceneryObject {
    SceneryCatalog::Kind kind;
    int x, y, variant;
    Rect image() const;
    Rect box() const;
};

// Places the scenery of the Environment layer: the village, the walled
// graveyard with the ruin around the chest, then trees, rocks and plants
// scattered by region. Solid objects keep a walking gap between them, and
// objects whose pictures overlap are only kept when the layer's drawing
// order (by x, then y) puts the one in front last.
class SceneryLayout {
public:
    explicit SceneryLayout(const WorldMap& map);

    const std::vector<SceneryObject>& objects() const { return objects_; }
    std::vector<PlacedSprite> sprites() const;

    // Where the characters start and where the guard walks (positions are
    // the top-left of a 64 x 64 character frame).
    static Point playerStart() { return {1568, 2048}; }
    static Point merchantStart() { return {1472, 1952}; }
    static Point guardStart() { return {1696, 2112}; }
    static const std::vector<Point>& guardPatrol();
    static Point chest() { return {300, 300}; }

private:
    bool place(SceneryCatalog::Kind k, int x, int y, int variant, bool fixed = false, int gap = 44);
    bool groundAccepts(SceneryCatalog::Kind k, const Rect& box) const;
    void buildVillage();
    void buildGraveyard();
    void buildFields();
    void scatter();
    void wall(SceneryCatalog::Kind k, int tx, int ty, int variant);

    const WorldMap& map_;
    std::vector<SceneryObject> objects_;
    std::vector<Rect> keepClear_;
    // Object indices bucketed by 128-pixel cells of their picture.
    std::vector<std::vector<int>> buckets_;
};
