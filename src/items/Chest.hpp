#pragma once

#include <string>

#include <SDL/SDL_types.h>

#include "items/Actionable.hpp"

// A chest: closed with its contents until opened once, then open and empty.
class Chest : public Actionable {
public:
    // "Left", "Center" or "Right": the column of the chest tileset drawn; anything else is Left.
    explicit Chest(const std::string& position);

    bool Closed = true;
    Sint16 Position = 0;
};
