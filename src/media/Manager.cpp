#include "media/Manager.hpp"

#include <stdexcept>

#include <SDL/SDL.h>

#include "media/LogRethrow.hpp"
#include "media/Logger.hpp"

namespace GLINT {
namespace SDL {

Manager::Manager(bool video, bool audio, bool timer, bool cdrom, bool joystick, bool noparachute,
                 bool eventthread) {
    Log_Rethrow("Exception catched in Manager Constructor", LogStyle::TwoEntries, [&] {
        Uint32 flags = 0;
        flags |= video ? SDL_INIT_VIDEO : 0;
        flags |= audio ? SDL_INIT_AUDIO : 0;
        flags |= timer ? SDL_INIT_TIMER : 0;
        flags |= cdrom ? SDL_INIT_CDROM : 0;
        flags |= joystick ? SDL_INIT_JOYSTICK : 0;
        flags |= noparachute ? SDL_INIT_NOPARACHUTE : 0;
        flags |= eventthread ? SDL_INIT_EVENTTHREAD : 0;
        if (SDL_Init(flags) == 0)
            return;
        MediaLog << "Unable to initialize SDL subsystems ";
        if (timer)
            MediaLog << "TIMER ";
        if (audio)
            MediaLog << "AUDIO ";
        if (video)
            MediaLog << "VIDEO ";
        if (cdrom)
            MediaLog << "CDROM ";
        if (joystick)
            MediaLog << "JOYSTICK ";
        if (noparachute)
            MediaLog << "NOPARACHUTE ";
        if (eventthread)
            MediaLog << "EVENTTHREAD ";
        MediaLog << ": " << SDL_GetError();
        throw std::logic_error("SDL_Init failed!");
    });
}

Manager::~Manager() { SDL_Quit(); }

} // namespace SDL
} // namespace GLINT
