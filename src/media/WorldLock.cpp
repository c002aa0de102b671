#include "media/WorldLock.hpp"

#include <atomic>

#include "media/ScopedLock.hpp"

namespace GLINT {
namespace SDL {

namespace {
std::atomic<bool> shuttingDown{false};
} // namespace

Mutex& WorldLock::mutex() {
    // Never destroyed: a timer thread may still reach it while statics die.
    static Mutex* world = new Mutex;
    return *world;
}

void WorldLock::beginShutdown() {
    ScopedLock lock(mutex());
    shuttingDown.store(true);
}

bool WorldLock::isShuttingDown() { return shuttingDown.load(); }

void WorldLock::resetShutdown() {
    ScopedLock lock(mutex());
    shuttingDown.store(false);
}

} // namespace SDL
} // namespace GLINT
