#pragma once

#include <SDL/SDL_events.h>

namespace GLINT {
namespace SDL {

// Receives the window and system events of the main loop. Each operation
// returns true when it handled the event; otherwise handleEvent gets it too.
class BaseEventHandler {
public:
    virtual ~BaseEventHandler() = default;
    virtual bool handleActiveEvent(bool gain, bool active, bool inputFocus, bool mouseFocus) = 0;
    virtual bool handleResizeEvent(int width, int height) = 0;
    virtual bool handleExposeEvent() = 0;
    virtual bool handleSysWMEvent() = 0;
    virtual bool handleUserEvent(Uint8 type, int code, void* data1, void* data2) = 0;
    virtual bool handleQuitEvent() = 0;
    virtual bool handleEvent(const SDL_Event& event) = 0;
};

} // namespace SDL
} // namespace GLINT
