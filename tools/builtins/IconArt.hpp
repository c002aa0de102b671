#pragma once

#include "Canvas.hpp"

// The default window icon: the emblem on a dark tile, 32 x 32.
class IconArt {
public:
    static constexpr int Size = 32;
    static Canvas paint();
};
