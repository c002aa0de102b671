#include "media/DefaultEventHandler.hpp"

#include "media/MediaContext.hpp"
#include "media/Window.hpp"

namespace GLINT {
namespace SDL {

bool DefaultEventHandler::handleActiveEvent(bool, bool, bool, bool) { return false; }

bool DefaultEventHandler::handleResizeEvent(int width, int height) {
    if (Window* window = MediaContext::instance().getWindow())
        window->resize(width, height);
    return true;
}

bool DefaultEventHandler::handleExposeEvent() { return false; }

bool DefaultEventHandler::handleSysWMEvent() { return false; }

bool DefaultEventHandler::handleUserEvent(Uint8, int, void*, void*) { return false; }

bool DefaultEventHandler::handleQuitEvent() { return MediaContext::instance().requestQuit(); }

bool DefaultEventHandler::handleEvent(const SDL_Event&) { return false; }

} // namespace SDL
} // namespace GLINT
