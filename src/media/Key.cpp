#include "media/Key.hpp"

#include "media/KeyNames.hpp"
#include "media/ModifierNames.hpp"

namespace GLINT {
namespace SDL {

Key::Key(const SDL_keysym& keysym)
    : key(KeyNames::fromSDL(keysym.sym)), mod(ModifierNames::fromSDL(keysym.mod)),
      unicode(keysym.unicode) {}

Key::Key(int key, int mod, Uint16 unicode) : key(key), mod(mod), unicode(unicode) {}

bool Key::isModHeld(int modifier) const {
    if (mod != ModifierNames::None)
        return (ModifierNames::toSDL(mod) & ModifierNames::toSDL(modifier)) != 0;
    return ModifierNames::isModPressed(modifier);
}

} // namespace SDL
} // namespace GLINT
