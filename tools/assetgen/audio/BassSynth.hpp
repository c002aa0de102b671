#pragma once

#include "Signal.hpp"

// The funk bass: saw plus sub through a resonant low-pass that snaps open
// on each note. Dead notes are muted plucks, all thump and no pitch.
class BassSynth {
public:
    static Signal note(double hz, double seconds, double velocity, bool dead);
};
