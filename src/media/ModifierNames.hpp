#pragma once

#include <SDL/SDL_keysym.h>

#include <string>

#include "media/NameTable.hpp"

namespace GLINT {
namespace SDL {

// Modifier states: 0 "None", single modifiers 1 to 11, and the four
// both-sides pairs "Ctrl", "Shift", "Alt", "Meta" (12 to 15). Any other
// combination of held modifiers has no number of its own and maps to 0.
class ModifierNames {
public:
    static constexpr int None = 0;
    static constexpr int Ctrl = 12;
    static constexpr int Shift = 13;
    static constexpr int Alt = 14;
    static constexpr int Meta = 15;

    static const std::string& name(int number);
    static int number(const std::string& name);
    static int fromSDL(SDLMod mod);
    static SDLMod toSDL(int number);

    // Whether SDL currently reports any of the modifiers behind that number.
    static bool isModPressed(int number);

    static const NameTable<SDLMod>& table();
};

} // namespace SDL
} // namespace GLINT
