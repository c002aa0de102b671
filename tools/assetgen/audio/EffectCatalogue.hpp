#pragma once

#include "Signal.hpp"

#include <functional>
#include <string>
#include <vector>

// The game's 42 effect files, in the order the game loads them, each with
// the recipe that makes it and the loudness it is brought to.
class EffectCatalogue {
public:
    enum class Kind { Effect, Interface, Silent, Step };

    struct Entry {
        std::string file;  // name under Data/SFXs/
        Kind kind;
        std::function<Signal()> recipe;
    };

    // Active-part RMS every effect is brought to; blips sit a little lower.
    static constexpr double kEffectDb = -20.0;
    static constexpr double kInterfaceDb = -23.0;
    static constexpr double kCeilingDb = -1.0;

    static const std::vector<Entry>& entries();
    static double targetDb(Kind kind);
    // Runs the recipe, trims the silent tail, fades the edges, normalises.
    static Signal render(const Entry& entry);
};
