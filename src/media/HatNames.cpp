#include "media/HatNames.hpp"

namespace GLINT {
namespace SDL {

const NameTable<Uint8>& HatNames::table() {
    static const NameTable<Uint8> hats({
        {0, SDL_HAT_CENTERED, "Centered"},
        {1, SDL_HAT_UP, "Up"},
        {2, SDL_HAT_RIGHT, "Right"},
        {3, SDL_HAT_DOWN, "Down"},
        {4, SDL_HAT_LEFT, "Left"},
        {5, SDL_HAT_RIGHTUP, "RightUp"},
        {6, SDL_HAT_RIGHTDOWN, "RightDown"},
        {7, SDL_HAT_LEFTUP, "LeftUp"},
        {8, SDL_HAT_LEFTDOWN, "LeftDown"},
    });
    return hats;
}

namespace {
[[maybe_unused]] const NameTable<Uint8>& hatsAtStart = HatNames::table();
} // namespace

const std::string& HatNames::name(int number) {
    return table().name(number);
}
int HatNames::number(const std::string& name) {
    return table().number(name);
}
int HatNames::fromSDL(Uint8 value) {
    return table().fromSDL(value);
}
Uint8 HatNames::toSDL(int number) {
    return table().toSDL(number);
}

} // namespace SDL
} // namespace GLINT
