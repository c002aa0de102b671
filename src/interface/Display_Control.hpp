#pragma once

#include <string>

// What the video options do to the screen, through the game's window. Tests
// put a stand-in in its place to make a mode change fail.
class Display_Control {
public:
    virtual ~Display_Control() = default;

    // A window with a display to change.
    virtual bool Available() const;
    virtual bool Is_Fullscreen() const;
    virtual bool Resize(int width, int height);
    virtual bool Reset(int width, int height, int depth);
    virtual bool Set_Fullscreen(bool on);
    // Why the last change failed.
    virtual std::string Last_Error() const;
};
