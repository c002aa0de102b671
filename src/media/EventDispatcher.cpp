#include "media/EventDispatcher.hpp"

#include "media/ButtonNames.hpp"
#include "media/DefaultEventHandler.hpp"
#include "media/DefaultKeyboard.hpp"
#include "media/JoystickHandler.hpp"
#include "media/Key.hpp"
#include "media/MediaContext.hpp"

namespace GLINT {
namespace SDL {

EventDispatcher::EventDispatcher() {
    general.set(new DefaultEventHandler(), false);
    keyboard.set(new DefaultKeyboard(), false);
}

EventDispatcher::~EventDispatcher() = default;

void EventDispatcher::setGeneralHandler(BaseEventHandler* handler) { general.set(handler, true); }

void EventDispatcher::setKeyboard(Keyboard* handler) { keyboard.set(handler, true); }

void EventDispatcher::setMouse(Mouse* handler) { mouse.set(handler, true); }

void EventDispatcher::dispatchPending() {
    SDL_Event event;
    while (SDL_PollEvent(&event))
        dispatch(event);
}

void EventDispatcher::dispatch(const SDL_Event& event) {
    if (!route(event) && general.handler)
        general.handler->handleEvent(event);
}

bool EventDispatcher::route(const SDL_Event& event) {
    BaseEventHandler* g = general.handler;
    JoystickHandler* joystick = MediaContext::instance().getJoystickHandler();
    switch (event.type) {
    case SDL_ACTIVEEVENT:
        return g && g->handleActiveEvent(event.active.gain == 1, (event.active.state & SDL_APPACTIVE) != 0,
                                         (event.active.state & SDL_APPINPUTFOCUS) != 0,
                                         (event.active.state & SDL_APPMOUSEFOCUS) != 0);
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return keyboard.handler &&
               keyboard.handler->handleKeyEvent(Key(event.key.keysym), event.type == SDL_KEYDOWN);
    case SDL_MOUSEMOTION:
        return mouse.handler &&
               mouse.handler->handleMouseMotionEvent(event.motion.state == 1, event.motion.x, event.motion.y,
                                                     event.motion.xrel, event.motion.yrel);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        return mouse.handler &&
               mouse.handler->handleMouseButtonEvent(ButtonNames::fromSDL(event.button.button), event.button.x,
                                                     event.button.y, event.type == SDL_MOUSEBUTTONDOWN);
    case SDL_JOYAXISMOTION:
        return joystick && joystick->handleAxisEvent(event.jaxis);
    case SDL_JOYBALLMOTION:
        return joystick && joystick->handleBallEvent(event.jball);
    case SDL_JOYHATMOTION:
        return joystick && joystick->handleHatEvent(event.jhat);
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        return joystick && joystick->handleButtonEvent(event.jbutton, event.type == SDL_JOYBUTTONDOWN);
    case SDL_QUIT:
        return g && g->handleQuitEvent();
    case SDL_SYSWMEVENT:
        return g && g->handleSysWMEvent();
    case SDL_VIDEORESIZE:
        return g && g->handleResizeEvent(event.resize.w, event.resize.h);
    case SDL_VIDEOEXPOSE:
        return g && g->handleExposeEvent();
    case SDL_USEREVENT:
        return g && g->handleUserEvent(event.user.type, event.user.code, event.user.data1, event.user.data2);
    default:
        return false;
    }
}

} // namespace SDL
} // namespace GLINT
