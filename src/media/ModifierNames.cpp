#include "media/ModifierNames.hpp"

#include <SDL/SDL_keyboard.h>

namespace GLINT {
namespace SDL {

const NameTable<SDLMod>& ModifierNames::table() {
    static const NameTable<SDLMod> mods({
        {0, KMOD_NONE, "None"},
        {1, KMOD_LSHIFT, "LShift"},
        {2, KMOD_RSHIFT, "RShift"},
        {3, KMOD_LCTRL, "LCtrl"},
        {4, KMOD_RCTRL, "RCtrl"},
        {5, KMOD_LALT, "LAlt"},
        {6, KMOD_RALT, "RAlt"},
        {7, KMOD_LMETA, "LMeta"},
        {8, KMOD_RMETA, "RMeta"},
        {9, KMOD_NUM, "Num"},
        {10, KMOD_CAPS, "Caps"},
        {11, KMOD_MODE, "Mode"},
        {Ctrl, static_cast<SDLMod>(KMOD_CTRL), "Ctrl"},
        {Shift, static_cast<SDLMod>(KMOD_SHIFT), "Shift"},
        {Alt, static_cast<SDLMod>(KMOD_ALT), "Alt"},
        {Meta, static_cast<SDLMod>(KMOD_META), "Meta"},
    });
    return mods;
}

namespace {
[[maybe_unused]] const NameTable<SDLMod>& modsAtStart = ModifierNames::table();
} // namespace

const std::string& ModifierNames::name(int number) {
    return table().name(number);
}
int ModifierNames::number(const std::string& name) {
    return table().number(name);
}
int ModifierNames::fromSDL(SDLMod mod) {
    return table().fromSDL(mod);
}
SDLMod ModifierNames::toSDL(int number) {
    return table().toSDL(number);
}

bool ModifierNames::isModPressed(int number) {
    return (SDL_GetModState() & toSDL(number)) != 0;
}

} // namespace SDL
} // namespace GLINT
