#pragma once

#include <string>

// Every kind of scenery object on the Environment layer: its picture size,
// its variants (tileset columns), the game's type name and the collision box
// (what a player sees as solid: a trunk, not a crown).
struct SceneryKind {
    const char* stem;
    const char* type;
    int width, height;
    int variants;
    int cbX, cbY, cbW, cbH;
};

class SceneryCatalog {
public:
    enum Kind {
        Oak, Pine, SnowPine, DeadTree, Bush, Flowers, Reeds, Boulder, Pebbles, Gravestone,
        Bones, Crag, Crops, HouseThatch, HouseTiled, Mausoleum, Stall, Well, WallH, WallV, WallPost,
        KindCount
    };
    static const SceneryKind& get(Kind k);
    static int spriteId(Kind k) { return 1000 + static_cast<int>(k); }
};
