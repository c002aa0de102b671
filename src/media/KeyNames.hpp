#pragma once

#include <SDL/SDL_keysym.h>

#include <string>

#include "media/NameTable.hpp"

namespace GLINT {
namespace SDL {

// Keys numbered 1 to 231 in SDL's order, with the names Config.ini stores
// ("KW", "KLCTRL", "KKP1"...). Number 0 is no key and has the empty name.
class KeyNames {
public:
    static constexpr int Count = 231;

    static const std::string& name(int number);
    static int number(const std::string& name);
    static int fromSDL(SDLKey key);
    static SDLKey toSDL(int number);

    static const NameTable<SDLKey>& table();
};

} // namespace SDL
} // namespace GLINT
