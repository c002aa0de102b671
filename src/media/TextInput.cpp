#include "media/TextInput.hpp"

#include <SDL/SDL_keyboard.h>

#include <iostream>

namespace GLINT {
namespace SDL {

TextInput::TextInput() {
    SDL_EnableUNICODE(1);
}

TextInput::~TextInput() {
    SDL_EnableUNICODE(0);
}

bool TextInput::handleKeyEvent(const Key& key, bool pressed) {
    bool used = false;
    if (pressed && key.getUnicode() < 128) {
        std::cout << "unicode char : " << static_cast<char>(key.getUnicode()) << '\n';
        used = true;
    }
    std::cout.flush();
    return used;
}

} // namespace SDL
} // namespace GLINT
