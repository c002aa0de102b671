#pragma once

#include "media/BaseEventHandler.hpp"

namespace GLINT {
namespace SDL {

// Resizes the window with it and quits on the window's close.
class DefaultEventHandler : public BaseEventHandler {
public:
    bool handleActiveEvent(bool gain, bool active, bool inputFocus, bool mouseFocus) override;
    bool handleResizeEvent(int width, int height) override;
    bool handleExposeEvent() override;
    bool handleSysWMEvent() override;
    bool handleUserEvent(Uint8 type, int code, void* data1, void* data2) override;
    bool handleQuitEvent() override;
    bool handleEvent(const SDL_Event& event) override;
};

} // namespace SDL
} // namespace GLINT
