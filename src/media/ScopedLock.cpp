#include "media/ScopedLock.hpp"

#include <SDL/SDL_error.h>

#include <stdexcept>

#include "media/Logger.hpp"

namespace GLINT {
namespace SDL {

ScopedLock::ScopedLock(Mutex& mutex) : mutex(mutex) {
    try {
        if (!mutex.lock())
            throw std::logic_error(" Failed Lock !");
    } catch (const std::exception& e) {
        // Locks are taken on the timer thread too: only whole entries.
        MediaLog.safeEntry("Exception catched in ScopedLock Constructor !");
        MediaLog.safeEntry(e.what());
        MediaLog.safeEntry(SDL_GetError());
        throw;
    }
}

ScopedLock::~ScopedLock() {
    if (!mutex.unlock())
        MediaLog.safeEntry(" Failed Unlock !");
}

} // namespace SDL
} // namespace GLINT
