#pragma once

#include <SDL/SDL_events.h>

namespace GLINT {
namespace SDL {

// Optional receiver of joystick events; the game installs none.
class JoystickHandler {
public:
    virtual ~JoystickHandler() = default;
    virtual bool handleAxisEvent(const SDL_JoyAxisEvent&) { return false; }
    virtual bool handleBallEvent(const SDL_JoyBallEvent&) { return false; }
    virtual bool handleHatEvent(const SDL_JoyHatEvent&) { return false; }
    virtual bool handleButtonEvent(const SDL_JoyButtonEvent&, bool pressed) {
        (void)pressed;
        return false;
    }
};

} // namespace SDL
} // namespace GLINT
