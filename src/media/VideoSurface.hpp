#pragma once

#include "media/BaseSurface.hpp"
#include "media/RGBColor.hpp"

namespace GLINT {
namespace SDL {

// The display surface. One program-wide set of video-mode flags decides how
// the next display is made; the window's setters change it.
class VideoSurface : public BaseSurface {
public:
    VideoSurface(int width, int height, int bpp);
    ~VideoSurface() override;

    bool resize(int width, int height, bool keepContent);
    bool refresh();

    bool isOpenGL() const { return (getFlags() & SDL_OPENGL) != 0; }
    bool isFullscreen() const { return (getFlags() & SDL_FULLSCREEN) != 0; }
    bool isResizable() const { return (getFlags() & SDL_RESIZABLE) != 0; }
    bool isNoFrame() const { return (getFlags() & SDL_NOFRAME) != 0; }
    bool isDoubleBuffered() const { return (getFlags() & SDL_DOUBLEBUF) != 0; }

    const RGBColor& getBackground() const { return background; }
    void setBackground(const RGBColor& color) { background = color; }

    static Uint32 getVideoFlags();
    static void setVideoFlag(Uint32 flag, bool on);

private:
    RGBColor background;
};

} // namespace SDL
} // namespace GLINT
