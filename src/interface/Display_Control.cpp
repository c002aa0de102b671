#include "interface/Display_Control.hpp"

#include <SDL/SDL_error.h>

#include "media/MediaContext.hpp"
#include "media/Window.hpp"

namespace {

GLINT::SDL::Window* Game_Window() {
    GLINT::SDL::Window* window = GLINT::SDL::MediaContext::instance().getWindow();
    return window && window->getDisplay() ? window : nullptr;
}

} // namespace

bool Display_Control::Available() const { return Game_Window() != nullptr; }

bool Display_Control::Is_Fullscreen() const {
    GLINT::SDL::Window* window = Game_Window();
    return window && window->isFullscreen();
}

bool Display_Control::Resize(int width, int height) {
    GLINT::SDL::Window* window = Game_Window();
    return window && window->resize(width, height);
}

bool Display_Control::Reset(int width, int height, int depth) {
    GLINT::SDL::Window* window = Game_Window();
    return window && window->resetDisplay(width, height, depth);
}

bool Display_Control::Set_Fullscreen(bool on) {
    GLINT::SDL::Window* window = Game_Window();
    return window && window->setFullscreen(on);
}

std::string Display_Control::Last_Error() const {
    if (!Game_Window())
        return "no display";
    const char* error = SDL_GetError();
    return error ? error : "";
}
