#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "media/Engine.hpp"
#include "media/EventDispatcher.hpp"
#include "media/LoadingScreen.hpp"
#include "media/RGBColor.hpp"
#include "media/RGBSurface.hpp"
#include "media/VideoInfo.hpp"
#include "media/VideoSurface.hpp"

namespace GLINT {
namespace SDL {

class Font;

// The program's one window: its display surface, engine, event routing,
// loading screen and main loop.
class Window {
public:
    explicit Window(const std::string& title);
    ~Window();

    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    void setTitle(const std::string& title);
    const std::string& getTitle() const { return title; }
    void setIcon(const RGBSurface& icon);

    // The application's engine: the window never deletes it.
    void setEngine(Engine* engine);
    Engine* getEngine() const { return engine; }

    bool setOpenGL(bool on);
    bool setFullscreen(bool on);
    bool setResizable(bool on);
    bool setNoFrame(bool on);
    bool isOpenGL() const;
    bool isFullscreen() const;
    bool isResizable() const;
    bool isNoFrame() const;
    bool isDoubleBuffered() const;

    void setBackground(const RGBColor& color);
    const RGBColor& getBackground() const { return background; }

    // 0 x 0 means the desktop size, one zero side means 640 x 480, bpp 0 lets SDL choose.
    bool resetDisplay(int width, int height, int bpp);
    bool resize(int width, int height);
    VideoSurface* getDisplay() const { return display.get(); }

    void ShowLoadingScreen(const std::string& imagePath, const std::string& title, const Font& titleFont,
                           const std::string& message, const Font& messageFont, const Rect& bar);
    void UpdateLoadingScreen(int progress, const std::string& message);
    void HideLoadingScreen();
    bool isLoadingScreenShown() const { return loadingScreenShown; }
    const LoadingScreen* getLoadingScreen() const { return loadingScreen.get(); }

    // Runs until the exit flag is set (by MediaContext::requestQuit). Rates below 1 count as 1.
    bool mainLoop(unsigned framerate, unsigned eventrate);
    void setExit(bool value) { exit = value; }
    bool getExit() const { return exit; }

    EventDispatcher& getEventDispatcher() { return dispatcher; }
    const VideoInfo& getVideoInfo() const { return videoInfo; }

private:
    bool setVideoFlag(Uint32 flag, bool on);
    void clearToBackground();
    void drawLoadingScreen();

    std::atomic<bool> exit{false};
    std::string title;
    std::string iconName;
    RGBColor background;
    EventDispatcher dispatcher;
    VideoInfo videoInfo;
    bool userEngine = false;
    Engine* engine = nullptr;
    std::unique_ptr<VideoSurface> display;
    std::unique_ptr<RGBSurface> icon;
    bool loadingScreenShown = false;
    std::unique_ptr<LoadingScreen> loadingScreen;
};

} // namespace SDL
} // namespace GLINT
