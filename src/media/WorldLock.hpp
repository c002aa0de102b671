#pragma once

#include "media/Mutex.hpp"

namespace GLINT {
namespace SDL {

// The one program-wide lock over the game world, shared by the main loop and
// SDL's timer thread.
//
// - The main loop holds it around event dispatch and around each engine call
//   (never across the frame delay); every timer trampoline holds it around
//   its callback, so a callback never sees the world half-updated.
// - Shutdown: clean-up calls beginShutdown(), removes the timers, then takes
//   mutex() before deleting anything a callback could use. A trampoline that
//   wakes up after beginShutdown() returns 0 without touching anything.
// - Lock order: the world lock first, then any other mutex (factories,
//   actionables, timer registries, the log). Never call SDL_Quit() while
//   holding it: SDL waits for its timer thread, which may be waiting here.
class WorldLock {
public:
    WorldLock() = delete;

    static Mutex& mutex();

    // Sets the shutdown flag while holding the lock, so no callback is inside
    // the world when it returns and none enters it afterwards.
    static void beginShutdown();
    static bool isShuttingDown();

    // Clears the flag again; for tests that go through several shutdowns in
    // one process.
    static void resetShutdown();
};

} // namespace SDL
} // namespace GLINT
