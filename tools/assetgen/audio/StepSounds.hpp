#pragma once

#include "Signal.hpp"

#include <string>

// Footsteps, one file per step: what the foot meets decides the recipe. A
// run step is the same recipe played faster and harder.
class StepSounds {
public:
    enum class Terrain { Bridge, Earth, Grass, Lake, Mountain, River, Sand, Snow, Way };

    static Signal make(Terrain terrain, bool run);
    // The name in the file names: "Bridge", ..., "Way+Lava".
    static std::string name(Terrain terrain);
};
