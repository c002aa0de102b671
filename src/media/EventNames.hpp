#pragma once

#include <SDL/SDL_events.h>

#include <string>

#include "media/NameTable.hpp"

namespace GLINT {
namespace SDL {

// Event types, numbered without SDL's reserved gaps. Like every miss in these
// tables, an unknown SDL type gives 0, which here is also "Active".
class EventNames {
public:
    static const std::string& name(int number);
    static int number(const std::string& name);
    static int fromSDL(Uint8 value);
    static Uint8 toSDL(int number);

    static const NameTable<Uint8>& table();
};

} // namespace SDL
} // namespace GLINT
