#pragma once

#include "Canvas.hpp"

#include <string>

// The default engine's "powered by" mark, 128 x 64: the emblem and the
// game's name in a gold frame on a dark ground.
class LogoArt {
public:
    static constexpr int Width = 128;
    static constexpr int Height = 64;

    // fontDir holds DejaVuSans-Bold.ttf and DejaVuSans.ttf.
    static Canvas paint(const std::string& fontDir);
};
