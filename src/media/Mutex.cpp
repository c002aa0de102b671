#include "media/Mutex.hpp"

#include <SDL/SDL_mutex.h>

namespace GLINT {
namespace SDL {

Mutex::Mutex() : mutex(SDL_CreateMutex()) {}

Mutex::~Mutex() {
    if (mutex)
        SDL_DestroyMutex(mutex);
}

// A mutex SDL could not create fails every lock, which ScopedLock reports.
bool Mutex::lock() { return mutex && SDL_mutexP(mutex) == 0; }

bool Mutex::unlock() { return mutex && SDL_mutexV(mutex) == 0; }

} // namespace SDL
} // namespace GLINT
