#pragma once

#include <SDL/SDL_mouse.h>

#include <string>

#include "media/NameTable.hpp"

namespace GLINT {
namespace SDL {

// Mouse buttons; the numbers are SDL's own, so Config.ini can name them.
class ButtonNames {
public:
    static const std::string& name(int number);
    static int number(const std::string& name);
    static int fromSDL(Uint8 value);
    static Uint8 toSDL(int number);

    static const NameTable<Uint8>& table();
};

} // namespace SDL
} // namespace GLINT
