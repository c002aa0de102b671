#pragma once

#include <SDL/SDL_joystick.h>

#include <string>

#include "media/NameTable.hpp"

namespace GLINT {
namespace SDL {

// Joystick hat positions, the four diagonals numbered after the four directions.
class HatNames {
public:
    static const std::string& name(int number);
    static int number(const std::string& name);
    static int fromSDL(Uint8 value);
    static Uint8 toSDL(int number);

    static const NameTable<Uint8>& table();
};

} // namespace SDL
} // namespace GLINT
