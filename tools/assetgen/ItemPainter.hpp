#pragma once

#include "Image.hpp"

// Item thumbnails (sized for their inventory boxes), the arrow in flight,
// the drop bag and the chest.
class ItemPainter {
public:
    static Image swordThumbnail();   // 40 x 150, for the 112 x 192 weapon boxes
    static Image bowThumbnail();     // 64 x 176, for the 160 x 256 box
    static Image arrowThumbnail();   // 24 x 140, for the 48 x 160 quiver box
    static Image potionThumbnail();  // 40 x 40, for the 48 x 48 potion boxes
    // One 32 x 32 row per direction code, the arrow pointing that way.
    static Image arrowTileset();
    static Image dropBag();          // 32 x 32
    // 3 columns (Left, Center, Right) x 2 rows (closed, open) of 48 x 40.
    static Image chestTileset();
    static constexpr int ChestW = 48, ChestH = 40;
};
