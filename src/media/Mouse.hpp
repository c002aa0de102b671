#pragma once

namespace GLINT {
namespace SDL {

// Receives the main loop's mouse events; the base class uses none of them.
class Mouse {
public:
    virtual ~Mouse();

    // buttonOne: the left button, and no other, is held during the motion.
    virtual bool handleMouseMotionEvent(bool buttonOne, int x, int y, int xrel, int yrel);
    // button: a ButtonNames number.
    virtual bool handleMouseButtonEvent(int button, int x, int y, bool pressed);
};

} // namespace SDL
} // namespace GLINT
