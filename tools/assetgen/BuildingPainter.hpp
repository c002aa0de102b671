#pragma once

#include "Image.hpp"

// The village's houses, stall and well, and the graveyard's mausoleum.
class BuildingPainter {
public:
    static Image houseThatch();
    static Image houseTiled();
    static Image mausoleum();
    static Image stall();
    static Image well();
    // Plank bridge pieces, 3 x 3 cells of 32: rows top railing, deck,
    // bottom railing; columns west end, middle, east end.
    static Image bridge();
};
