#pragma once

#include <memory>

#include "media/BaseEventHandler.hpp"
#include "media/Keyboard.hpp"
#include "media/Mouse.hpp"

namespace GLINT {
namespace SDL {

// Routes SDL's events to the general, keyboard and mouse handlers. A handler
// the application installs stays the application's: the dispatcher never deletes it.
class EventDispatcher {
public:
    EventDispatcher();
    ~EventDispatcher();

    EventDispatcher(const EventDispatcher&) = delete;
    EventDispatcher& operator=(const EventDispatcher&) = delete;

    void setGeneralHandler(BaseEventHandler* handler);
    void setKeyboard(Keyboard* handler);
    void setMouse(Mouse* handler);

    BaseEventHandler* getGeneralHandler() const { return general.handler; }
    Keyboard* getKeyboard() const { return keyboard.handler; }
    Mouse* getMouse() const { return mouse.handler; }

    // Routes every pending event.
    void dispatchPending();
    // Routes one event; exposed so tests can feed events directly.
    void dispatch(const SDL_Event& event);

private:
    template <class Handler> struct Slot {
        Handler* handler = nullptr;
        bool installed = false; // true: the application's, not deleted here

        void set(Handler* replacement, bool byApplication) {
            if (handler && !installed && handler != replacement)
                delete handler;
            handler = replacement;
            installed = byApplication;
        }
        ~Slot() { set(nullptr, false); }
    };

    bool route(const SDL_Event& event);

    Slot<BaseEventHandler> general;
    Slot<Mouse> mouse;
    Slot<Keyboard> keyboard;
};

} // namespace SDL
} // namespace GLINT
