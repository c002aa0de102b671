#pragma once

#include <SDL/SDL_keyboard.h>

namespace GLINT {
namespace SDL {

// One key event in the media layer's numbers: the key (KeyNames), the whole
// modifier state (ModifierNames, 0 for a mix the table lacks) and the
// character, 0 unless Unicode translation is on.
class Key {
public:
    explicit Key(const SDL_keysym& keysym);
    Key(int key, int mod, Uint16 unicode);

    int getKey() const { return key; }
    int getMod() const { return mod; }
    Uint16 getUnicode() const { return unicode; }

private:
    int key;
    int mod;
    Uint16 unicode;
};

} // namespace SDL
} // namespace GLINT
