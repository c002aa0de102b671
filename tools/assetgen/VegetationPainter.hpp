#pragma once

#include "Image.hpp"

// Trees, bushes, flowers and reeds: one picture per variant.
class VegetationPainter {
public:
    static Image oak(int variant);
    static Image pine(int variant, bool snow);
    static Image deadTree(int variant);
    static Image bush(int variant);
    static Image flowers(int variant);
    static Image reeds(int variant);
    // A patch of a field: wheat, cabbages or young shoots in rows.
    static Image crops(int variant);
    // A lumpy ball lit from the top-left, as used for crowns and bushes:
    // colours go from dark (0) to light (3).
    static void blob(Image& img, double cx, double cy, double r, const Rgba tones[4], unsigned seed);
};
