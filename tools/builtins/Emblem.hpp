#pragma once

#include "Canvas.hpp"

// The crest shared by the window icon and the engine logo: a heater shield
// with a sword laid over it, point down, its pommel standing above the shield.
class Emblem {
public:
    static constexpr int Width = 25;
    static constexpr int Height = 30;

    // Draws the emblem with its box's top-left corner at (x, y).
    static void paint(Canvas& canvas, int x, int y);
};
