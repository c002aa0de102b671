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

    // Was that modifier (a ModifierNames number; "Alt" means either Alt) held
    // when the key went down or up? Read from the event itself: SDL's global
    // state is updated when events are pumped, so by the time a queued event
    // is handled a quick chord is already released there. The global state
    // answers only when the event's own state is not one the table names.
    bool isModHeld(int modifier) const;

private:
    int key;
    int mod;
    Uint16 unicode;
};

} // namespace SDL
} // namespace GLINT
