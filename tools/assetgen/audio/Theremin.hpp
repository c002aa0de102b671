#pragma once

#include "Signal.hpp"

#include <vector>

// The eerie lead: one continuous voice that glides from note to note, with
// a vibrato that blooms as each note is held.
class Theremin {
public:
    struct Note {
        double start;    // seconds
        double seconds;
        int midi;
        double velocity;
    };

    static Signal line(const std::vector<Note>& notes, double totalSeconds);
};
