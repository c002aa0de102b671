#pragma once

#include "media/Keyboard.hpp"

namespace GLINT {
namespace SDL {

// The keys every window understands until the application installs its own
// handler: Escape (on release) and Alt+F4 quit, F11 toggles fullscreen.
class DefaultKeyboard : public Keyboard {
public:
    bool handleKeyEvent(const Key& key, bool pressed) override;
};

} // namespace SDL
} // namespace GLINT
