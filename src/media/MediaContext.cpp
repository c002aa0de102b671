#include "media/MediaContext.hpp"

#include <cstdlib>
#include <exception>

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include "media/JoystickHandler.hpp"
#include "media/Logger.hpp"
#include "media/Manager.hpp"
#include "media/Mixer.hpp"
#include "media/Window.hpp"

namespace GLINT {
namespace SDL {

namespace {
// Without its SDL subsystem the program cannot go on: log why and end it.
template <class Body> bool Or_Exit(const char* operation, Body&& body) {
    try {
        return body();
    } catch (const std::exception& e) {
        MediaLog << Logger::beginEntry << "Exception caught : " << e.what() << std::endl;
        MediaLog << Logger::beginEntry << "FATAL ERROR : " << operation << " failed... Exiting" << std::endl;
        MediaLog.flush();
        std::exit(1);
    }
}
} // namespace

MediaContext& MediaContext::instance() {
    static MediaContext context;
    return context;
}

MediaContext::MediaContext() : name("GLINT::SDL") {
    MediaLog.setFile(true);
    MediaLog.open("GLINT_Lumen.log");
    MediaLog.setConsole(false);
}

MediaContext::~MediaContext() {
    if (textInitialised)
        TTF_Quit();
    joystick.reset();
    for (SDL_Joystick* pad : pads)
        SDL_JoystickClose(pad);
    pads.clear();
    mixer.reset();
    window.reset();
    manager.reset();
}

bool MediaContext::initSubsystem(unsigned int sdlFlag, bool video, bool audio, bool timer) {
    if (!manager) {
        manager.reset(new Manager(video, audio, timer));
        return true;
    }
    return SDL_InitSubSystem(sdlFlag) == 0;
}

bool MediaContext::InitVideo(bool fullscreen, bool opengl, bool resizable, bool noframe) {
    return Or_Exit("InitVideo", [&] {
        const bool result = initSubsystem(SDL_INIT_VIDEO, true, false, false);
        window.reset();
        window.reset(new Window(name));
        window->setOpenGL(opengl);
        window->setFullscreen(fullscreen);
        window->setResizable(resizable);
        window->setNoFrame(noframe);
        return result;
    });
}

bool MediaContext::InitTimer() {
    return Or_Exit("InitTimer", [&] {
        return initSubsystem(SDL_INIT_TIMER, false, false, true);
    });
}

bool MediaContext::InitAudio(int frequency, int channels, int chunkSize) {
    return Or_Exit("InitAudio", [&] {
        const bool result = initSubsystem(SDL_INIT_AUDIO, false, true, false);
        if (result) {
            // The old device closes before the new one opens.
            mixer.reset();
            mixer.reset(new Mixer(frequency, channels, chunkSize));
        }
        return result;
    });
}

int MediaContext::InitJoystick() {
    if (!manager || SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        MediaLog << Logger::beginEntry << "Joystick Init Failed : " << SDL_GetError() << std::endl;
        return 0;
    }
    if (!pads.empty())
        return static_cast<int>(pads.size());
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        SDL_Joystick* pad = SDL_JoystickOpen(i);
        const char* name = SDL_JoystickName(i);
        if (!pad) {
            MediaLog << Logger::beginEntry << "Joystick " << i << " (" << (name ? name : "?")
                     << ") could not be opened : " << SDL_GetError() << std::endl;
            continue;
        }
        MediaLog << Logger::beginEntry << "Joystick " << i << " : " << (name ? name : "?") << ", "
                 << SDL_JoystickNumAxes(pad) << " axes, " << SDL_JoystickNumHats(pad) << " hats, "
                 << SDL_JoystickNumButtons(pad) << " buttons" << std::endl;
        pads.push_back(pad);
    }
    SDL_JoystickEventState(SDL_ENABLE);
    return static_cast<int>(pads.size());
}

bool MediaContext::InitText() {
    if (TTF_WasInit())
        return true;
    if (TTF_Init() == 0) {
        textInitialised = true;
        return true;
    }
    MediaLog << " TTF Error : " << TTF_GetError();
    return false;
}

bool MediaContext::requestQuit() {
    quitRequested = true;
    if (window)
        window->setExit(true);
    return true;
}

void MediaContext::setJoystickHandler(JoystickHandler* handler) { joystick.reset(handler); }

} // namespace SDL
} // namespace GLINT
