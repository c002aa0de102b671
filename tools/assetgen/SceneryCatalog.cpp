#include "SceneryCatalog.hpp"

namespace {
// Boxes of buildings and walls reach a little below the picture: the
// Environment layer is drawn over the characters, so a character standing
// right in front of a wall must not have its head under the wall's pixels.
const SceneryKind kKinds[SceneryCatalog::KindCount] = {
    {"Tree_Oak", "Big_Vegetal", 64, 80, 3, 26, 64, 12, 10},
    {"Tree_Pine", "Big_Vegetal", 48, 80, 3, 18, 66, 12, 10},
    {"Tree_Snow_Pine", "Big_Vegetal", 48, 80, 2, 18, 66, 12, 10},
    {"Tree_Dead", "Big_Vegetal", 64, 80, 2, 27, 64, 10, 10},
    {"Bush", "Small_Vegetal", 32, 32, 3, 4, 10, 24, 20},
    {"Flowers", "Small_Vegetal", 32, 32, 4, 4, 8, 24, 20},
    {"Reeds", "Small_Vegetal", 32, 32, 2, 4, 8, 24, 22},
    {"Boulder", "Big_Mineral", 48, 48, 3, 6, 18, 36, 26},
    {"Pebbles", "Small_Mineral", 32, 32, 3, 4, 8, 24, 20},
    {"Gravestone", "Big_Mineral", 32, 32, 4, 7, 14, 18, 16},
    {"Bones", "Small_Mineral", 32, 32, 2, 4, 8, 24, 20},
    {"Crag", "Big_Mineral", 64, 64, 2, 6, 20, 52, 40},
    {"Crops", "Small_Vegetal", 32, 32, 3, 2, 2, 28, 28},
    {"House_Thatch", "Building", 128, 128, 1, 8, 40, 112, 104},
    {"House_Tiled", "Building", 160, 128, 1, 8, 40, 144, 104},
    {"Mausoleum", "Building", 96, 112, 1, 8, 36, 80, 92},
    {"Market_Stall", "Building", 96, 80, 1, 6, 30, 84, 62},
    {"Well", "Building", 48, 56, 1, 6, 22, 36, 44},
    {"Wall_Horizontal", "Wall", 32, 32, 3, 0, 10, 32, 34},
    {"Wall_Vertical", "Wall", 32, 32, 3, 8, 0, 16, 44},
    {"Wall_Post", "Wall", 32, 32, 2, 5, 6, 22, 38},
};
} // namespace

const SceneryKind& SceneryCatalog::get(Kind k) { return kKinds[k]; }
