#pragma once

#include <SDL/SDL_video.h>

namespace GLINT {
namespace SDL {

// The desktop as SDL saw it when the window was made.
class VideoInfo {
public:
    VideoInfo();
    ~VideoInfo();

    VideoInfo(const VideoInfo&) = delete;
    VideoInfo& operator=(const VideoInfo&) = delete;

    int getDesktopWidth() const { return info.current_w; }
    int getDesktopHeight() const { return info.current_h; }
    int getDesktopBPP() const { return format.BitsPerPixel; }
    const SDL_PixelFormat& getPixelFormat() const { return format; }

    // The live window's record, null when there is no window.
    static const VideoInfo* current();

private:
    friend class Window;
    static void publish(const VideoInfo* info);

    SDL_VideoInfo info;
    SDL_PixelFormat format;
};

} // namespace SDL
} // namespace GLINT
