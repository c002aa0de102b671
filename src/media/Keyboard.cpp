#include "media/Keyboard.hpp"

namespace GLINT {
namespace SDL {

Keyboard::Keyboard() {
    keys.fill(false);
}

Keyboard::~Keyboard() {}

bool Keyboard::handleKeyEvent(const Key&, bool) {
    return false;
}

} // namespace SDL
} // namespace GLINT
