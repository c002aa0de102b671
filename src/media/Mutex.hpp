#pragma once

struct SDL_mutex;

namespace GLINT {
namespace SDL {

// An SDL mutex owned for the object's lifetime. SDL 1.2 mutexes are recursive:
// the thread that holds one may lock it again (and must unlock as often).
class Mutex {
public:
    Mutex();
    ~Mutex();

    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;

    // Both return whether SDL reported success.
    bool lock();
    bool unlock();

private:
    SDL_mutex* mutex;
};

} // namespace SDL
} // namespace GLINT
