#include "media/EventNames.hpp"

namespace GLINT {
namespace SDL {

const NameTable<Uint8>& EventNames::table() {
    static const NameTable<Uint8> events({
        {0, SDL_ACTIVEEVENT, "Active"},
        {1, SDL_KEYDOWN, "KeyDown"},
        {2, SDL_KEYUP, "KeyUp"},
        {3, SDL_MOUSEMOTION, "MouseMotion"},
        {4, SDL_MOUSEBUTTONDOWN, "MouseButtonDown"},
        {5, SDL_MOUSEBUTTONUP, "MouseButtonUp"},
        {6, SDL_JOYAXISMOTION, "JoyAxis"},
        {7, SDL_JOYBALLMOTION, "JoyBall"},
        {8, SDL_JOYHATMOTION, "JoyHat"},
        {9, SDL_JOYBUTTONDOWN, "JoyButtonDown"},
        {10, SDL_JOYBUTTONUP, "JoyButtonUp"},
        {11, SDL_USEREVENT, "User"},
        {12, SDL_QUIT, "Quit"},
        {13, SDL_SYSWMEVENT, "SysWM"},
        {14, SDL_VIDEORESIZE, "Resize"},
        {15, SDL_VIDEOEXPOSE, "Expose"},
    });
    return events;
}

namespace {
[[maybe_unused]] const NameTable<Uint8>& eventsAtStart = EventNames::table();
} // namespace

const std::string& EventNames::name(int number) {
    return table().name(number);
}
int EventNames::number(const std::string& name) {
    return table().number(name);
}
int EventNames::fromSDL(Uint8 value) {
    return table().fromSDL(value);
}
Uint8 EventNames::toSDL(int number) {
    return table().toSDL(number);
}

} // namespace SDL
} // namespace GLINT
