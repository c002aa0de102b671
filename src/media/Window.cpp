#include "media/Window.hpp"

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#include <chrono>

#include "media/BuiltinImages.hpp"
#include "media/DefaultEngine.hpp"
#include "media/DefaultGLEngine.hpp"
#include "media/FramePacer.hpp"
#include "media/Logger.hpp"
#include "media/RWOps.hpp"
#include "media/ScopedLock.hpp"
#include "media/WorldLock.hpp"

namespace GLINT {
namespace SDL {

namespace {
// SDL's own clock counts whole milliseconds, too coarse to pace 16.7 ms frames evenly.
std::uint64_t microseconds() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(duration_cast<std::chrono::microseconds>(steady_clock::now().time_since_epoch()).count());
}
} // namespace

Window::Window(const std::string& title) : title(title), background(0, 0, 0), engine(new DefaultEngine()) {
    VideoInfo::publish(&videoInfo);
    RWOps stream(Builtin::DefaultIcon, static_cast<int>(Builtin::DefaultIconSize));
    icon.reset(new RGBSurface(stream));
    SDL_WM_SetCaption(this->title.c_str(), iconName.c_str());
    SDL_WM_SetIcon(icon->get_SDL(), nullptr);
}

Window::~Window() {
    if (!userEngine)
        delete engine;
    engine = nullptr;
    loadingScreen.reset();
    display.reset();
}

void Window::setTitle(const std::string& newTitle) {
    title = newTitle;
    iconName.clear();
    SDL_WM_SetCaption(title.c_str(), iconName.c_str());
}

void Window::setIcon(const RGBSurface& newIcon) {
    icon.reset(new RGBSurface(newIcon));
    SDL_WM_SetIcon(icon->get_SDL(), nullptr);
}

void Window::setEngine(Engine* newEngine) {
    if (!userEngine && engine != newEngine)
        delete engine;
    engine = newEngine;
    userEngine = true;
}

bool Window::setVideoFlag(Uint32 flag, bool on) {
    if (!display) {
        VideoSurface::setVideoFlag(flag, on);
        return true;
    }
    if (((display->getFlags() & flag) != 0) == on)
        return true;
    VideoSurface::setVideoFlag(flag, on);
    return resetDisplay(display->getWidth(), display->getHeight(), display->getDepth());
}

bool Window::setOpenGL(bool on) {
    Engine* replacement = on ? static_cast<Engine*>(new DefaultGLEngine()) : new DefaultEngine();
    if (!userEngine)
        delete engine;
    engine = replacement;
    userEngine = false;
    return setVideoFlag(SDL_OPENGL, on);
}

bool Window::setFullscreen(bool on) { return setVideoFlag(SDL_FULLSCREEN, on); }
bool Window::setResizable(bool on) { return setVideoFlag(SDL_RESIZABLE, on); }
bool Window::setNoFrame(bool on) { return setVideoFlag(SDL_NOFRAME, on); }

bool Window::isOpenGL() const { return display ? display->isOpenGL() : (VideoSurface::getVideoFlags() & SDL_OPENGL) != 0; }
bool Window::isFullscreen() const {
    return display ? display->isFullscreen() : (VideoSurface::getVideoFlags() & SDL_FULLSCREEN) != 0;
}
bool Window::isResizable() const {
    return display ? display->isResizable() : (VideoSurface::getVideoFlags() & SDL_RESIZABLE) != 0;
}
bool Window::isNoFrame() const { return display ? display->isNoFrame() : (VideoSurface::getVideoFlags() & SDL_NOFRAME) != 0; }
bool Window::isDoubleBuffered() const {
    return display ? display->isDoubleBuffered() : (VideoSurface::getVideoFlags() & SDL_DOUBLEBUF) != 0;
}

void Window::setBackground(const RGBColor& color) {
    background = color;
    if (display)
        display->setBackground(color);
}

void Window::clearToBackground() {
    if (!display)
        return;
    if (display->isOpenGL()) {
        glClearColor(background.getR() / 255.0f, background.getG() / 255.0f, background.getB() / 255.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    } else {
        display->fill(background);
    }
}

bool Window::resetDisplay(int width, int height, int bpp) {
    try {
        if (width == 0 && height == 0) {
            width = videoInfo.getDesktopWidth();
            height = videoInfo.getDesktopHeight();
        } else if (width == 0 || height == 0) {
            width = 640;
            height = 480;
        }
        if (bpp == 0) {
            bpp = SDL_VideoModeOK(width, height, videoInfo.getDesktopBPP(), VideoSurface::getVideoFlags());
            if (bpp == 0) {
                MediaLog << Logger::beginEntry
                         << "The requested video mode is not supported under any bit depth. Display reset cancelled !";
                return false;
            }
        }
        MediaLog << Logger::beginEntry << "SDL will use " << width << "x" << height << "@" << bpp;
        std::unique_ptr<VideoSurface> created(new VideoSurface(width, height, bpp));
        display.reset();
        display = std::move(created);
        display->setBackground(background);
        engine->init(width, height);
        clearToBackground();
        return true;
    } catch (const std::exception& e) {
        MediaLog << Logger::beginEntry << "Exception caught in Window::resetDisplay() : " << e.what();
        return false;
    }
}

bool Window::resize(int width, int height) {
    if (!display)
        return false;
    bool ok = display->resize(width, height, false);
    ok = engine->resize(width, height) && ok;
    clearToBackground();
    display->refresh();
    return ok;
}

void Window::ShowLoadingScreen(const std::string& imagePath, const std::string& loadingTitle,
                               const Font& titleFont, const std::string& message, const Font& messageFont,
                               const Rect& bar) {
    loadingScreenShown = true;
    clearToBackground();
    loadingScreen.reset(new LoadingScreen(imagePath, loadingTitle, titleFont, message, messageFont, bar));
    drawLoadingScreen();
}

void Window::UpdateLoadingScreen(int progress, const std::string& message) {
    if (!loadingScreenShown || !loadingScreen)
        return;
    loadingScreen->setProgress(progress);
    loadingScreen->setMessage(message);
    drawLoadingScreen();
}

void Window::HideLoadingScreen() {
    loadingScreenShown = false;
    loadingScreen.reset();
}

void Window::drawLoadingScreen() {
    if (!display || !loadingScreen)
        return;
    loadingScreen->draw(*display);
    display->refresh();
}

bool Window::mainLoop(unsigned framerate, unsigned eventrate) {
    if (loadingScreenShown)
        framerate = eventrate = 1;
    if (!display) {
        MediaLog << Logger::beginEntry << "ERROR : DisplaySurface @ " << static_cast<const void*>(display.get())
                 << " can't be used !" << std::endl;
        MediaLog << Logger::beginEntry << " Ignoring mainLoop call." << std::endl;
        MediaLog << Logger::beginEntry
                 << "An error occured when trying to launch the main loop, make sure you have initialized everything."
                 << std::endl;
        MediaLog << Logger::beginEntry << " Ignoring mainLoop call." << std::endl;
        return false;
    }
    // A rate of 0 would divide by zero below.
    framerate = framerate ? framerate : 1;
    eventrate = eventrate ? eventrate : 1;

    Uint32 lastEvents = SDL_GetTicks();
    Uint32 lastUpdate = lastEvents;
    if (exit)
        return true;
    const Uint32 eventInterval = 1000 / eventrate;
    FramePacer pacer(framerate, microseconds());

    // Timer callbacks share the game's objects: they run only while this
    // thread is between two steps, never in the middle of one.
    do {
        {
            ScopedLock world(WorldLock::mutex());
            if (SDL_GetTicks() - lastEvents >= eventInterval) {
                dispatcher.dispatchPending();
                lastEvents = SDL_GetTicks();
            }
            if (!loadingScreenShown && (display->isOpenGL() || !engine->coversDisplay(*display)))
                clearToBackground();
            const Uint32 t = SDL_GetTicks();
            engine->prerender(t - lastUpdate);
            lastUpdate = t;
            if (!loadingScreenShown)
                engine->render(*display);
        }
        // SDL sleeps whole milliseconds: the nearest one keeps each refresh
        // within half a millisecond of its due time.
        const Uint32 delay = static_cast<Uint32>((pacer.wait(microseconds()) + 500) / 1000);
        if (delay > 0)
            SDL_Delay(delay);
        pacer.started(microseconds());
        {
            ScopedLock world(WorldLock::mutex());
            display->refresh();
        }
        {
            ScopedLock world(WorldLock::mutex());
            engine->postrender();
        }
    } while (!exit);
    return true;
}

} // namespace SDL
} // namespace GLINT
