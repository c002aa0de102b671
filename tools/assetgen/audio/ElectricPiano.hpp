#pragma once

#include "Signal.hpp"

// A tine piano by two-operator FM: a bright bark on the attack that mellows
// into a round tone, with a faint bell partial and a detuned twin for body.
class ElectricPiano {
public:
    static Signal note(double hz, double seconds, double velocity);
};
