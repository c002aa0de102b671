#pragma once

namespace GLINT {
namespace SDL {

class VideoSurface;

// What an application draws each frame of the window's main loop.
class Engine {
public:
    virtual void prerender(unsigned long ticks) { (void)ticks; }
    virtual void render(VideoSurface& screen) = 0;
    virtual void postrender() {}
    // True when the coming render paints every pixel of screen, which the
    // window then leaves uncleared.
    virtual bool coversDisplay(const VideoSurface& screen) const {
        (void)screen;
        return false;
    }
    virtual bool init(int width, int height) = 0;
    virtual bool resize(int width, int height) = 0;
    virtual ~Engine() = default;
};

} // namespace SDL
} // namespace GLINT
