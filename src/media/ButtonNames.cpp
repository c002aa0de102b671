#include "media/ButtonNames.hpp"

namespace GLINT {
namespace SDL {

const NameTable<Uint8>& ButtonNames::table() {
    static const NameTable<Uint8> buttons({
        {1, SDL_BUTTON_LEFT, "Left"},
        {2, SDL_BUTTON_MIDDLE, "Middle"},
        {3, SDL_BUTTON_RIGHT, "Right"},
        {4, SDL_BUTTON_WHEELUP, "WheelUp"},
        {5, SDL_BUTTON_WHEELDOWN, "WheelDown"},
    });
    return buttons;
}

namespace {
[[maybe_unused]] const NameTable<Uint8>& buttonsAtStart = ButtonNames::table();
} // namespace

const std::string& ButtonNames::name(int number) {
    return table().name(number);
}
int ButtonNames::number(const std::string& name) {
    return table().number(name);
}
int ButtonNames::fromSDL(Uint8 value) {
    return table().fromSDL(value);
}
Uint8 ButtonNames::toSDL(int number) {
    return table().toSDL(number);
}

} // namespace SDL
} // namespace GLINT
