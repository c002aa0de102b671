#pragma once

#include "media/DefaultKeyboard.hpp"

namespace GLINT {
namespace SDL {

// A keyboard that wants characters: SDL's Unicode translation stays on for
// as long as it lives, and every ASCII character typed is echoed to stdout.
class TextInput : public DefaultKeyboard {
public:
    TextInput();
    ~TextInput() override;

    bool handleKeyEvent(const Key& key, bool pressed) override;
};

} // namespace SDL
} // namespace GLINT
