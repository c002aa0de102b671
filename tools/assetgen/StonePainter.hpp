#pragma once

#include "Image.hpp"

// Rocks, graves, bones and the dry-stone walls.
class StonePainter {
public:
    static Image boulder(int variant);
    static Image pebbles(int variant);
    static Image gravestone(int variant);
    static Image bones(int variant);
    static Image crag(int variant);
    // Wall pieces: 0 plain, 1 mossy, 2 broken.
    static Image wallHorizontal(int variant);
    static Image wallVertical(int variant);
    static Image wallPost(int variant);
};
