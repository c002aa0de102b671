#pragma once

#include <array>

#include "media/Key.hpp"

namespace GLINT {
namespace SDL {

// Receives every key event of the main loop. The base class ignores them;
// returning true tells the dispatcher the event was used.
class Keyboard {
public:
    Keyboard();
    virtual ~Keyboard();

    virtual bool handleKeyEvent(const Key& key, bool pressed);

protected:
    std::array<bool, 255> keys;
};

} // namespace SDL
} // namespace GLINT
