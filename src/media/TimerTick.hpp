#pragma once

#include <string>

#include "media/Logger.hpp"
#include "media/ScopedLock.hpp"
#include "media/WorldLock.hpp"
#include "shell/Error_Chain.hpp"

namespace GLINT {
namespace SDL {

// The body every timer trampoline shares, run on SDL's timer thread: the tick
// runs under the world lock and never once shutdown has begun; an exception is
// logged with the timer's texts and counts as 0, which stops the timer
// (stopped is then called, still under the world lock).
template <class Tick, class Stopped>
unsigned Run_Timer_Tick(const std::string& errorPrefix, const std::string& unhandledText, Tick&& tick,
                        Stopped&& stopped) {
    if (WorldLock::isShuttingDown())
        return 0;
    unsigned result = 0;
    Log_Errors(MediaLog, errorPrefix, unhandledText, [&] {
        ScopedLock world(WorldLock::mutex());
        if (WorldLock::isShuttingDown())
            return;
        Log_Errors(MediaLog, errorPrefix, unhandledText, [&] { result = tick(); });
        if (result == 0)
            stopped();
    });
    return result;
}

} // namespace SDL
} // namespace GLINT
