#include "media/DefaultKeyboard.hpp"

#include "media/KeyNames.hpp"
#include "media/MediaContext.hpp"
#include "media/ModifierNames.hpp"
#include "media/Window.hpp"

namespace GLINT {
namespace SDL {

namespace {
const int KeyEscape = 6;
const int KeyF4 = 197;
const int KeyF11 = 204;
} // namespace

bool DefaultKeyboard::handleKeyEvent(const Key& key, bool pressed) {
    switch (key.getKey()) {
    case KeyEscape:
        if (pressed)
            return false;
        MediaContext::instance().requestQuit();
        return true;
    case KeyF4:
        if (pressed && key.isModHeld(ModifierNames::Alt))
            MediaContext::instance().requestQuit();
        return true;
    case KeyF11:
        if (pressed) {
            if (Window* window = MediaContext::instance().getWindow())
                window->setFullscreen(!window->isFullscreen());
        }
        return true;
    default:
        return false;
    }
}

} // namespace SDL
} // namespace GLINT
