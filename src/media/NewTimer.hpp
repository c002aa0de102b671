#pragma once

#include <SDL/SDL_timer.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>

#include "media/Logger.hpp"
#include "media/Mutex.hpp"
#include "media/ScopedLock.hpp"
#include "media/TSpecificFunctor2.hpp"
#include "media/TimerTick.hpp"
#include "media/WorldLock.hpp"
#include "shell/Error_Chain.hpp"

namespace GLINT {
namespace SDL {

// A timer that starts in its constructor and calls method on instance from
// SDL's timer thread until the method returns 0 or the timer is stopped or
// deleted. An interval of 0 is raised to 1 ms.
//
// Stop it with stop() (or by deleting it), not with SDL_RemoveTimer: once the
// callback has returned 0 SDL frees its timer, and removing that stale id
// could hit another timer. Deletion waits for a callback in progress.
//
// As with Timer, SDL is given only an id, looked up under the class's
// registry mutex, the tick runs under the world lock, nothing is touched once
// shutdown has begun, and an exception is logged and stops the timer.
template <class TClass>
class NewTimer {
public:
    class Callback : public GLINT::TSpecificFunctor2<TClass, unsigned int, unsigned int, void*> {
    public:
        using GLINT::TSpecificFunctor2<TClass, unsigned int, unsigned int, void*>::TSpecificFunctor2;
    };
    using Method = unsigned int (TClass::*)(unsigned int, void*);

    NewTimer(TClass* instance, Method method, unsigned interval);
    ~NewTimer();

    NewTimer(const NewTimer&) = delete;
    NewTimer& operator=(const NewTimer&) = delete;

    // Removes the SDL timer if it still runs; returns true when it no longer runs.
    bool stop();
    bool isRunning() const;

    // Runs on SDL's timer thread; args carries the timer id.
    static unsigned callback(unsigned interval, void* args);

private:
    struct Entry {
        std::shared_ptr<Callback> call;
        SDL_TimerID* sdlTimerId;
    };
    struct Registry {
        Mutex mutex;
        std::map<unsigned, Entry> timers;
        std::atomic<unsigned> nextId{0};
    };

    // Never destroyed: SDL's timer thread may outlive static destruction.
    static Registry& registry() {
        static Registry* r = new Registry;
        return *r;
    }

    static void* toArgs(unsigned timerId) {
        return reinterpret_cast<void*>(static_cast<std::uintptr_t>(timerId));
    }
    static unsigned fromArgs(void* args) {
        return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(args));
    }

    static unsigned tick(unsigned timerId, unsigned interval);
    static void stopped(unsigned timerId);

    const unsigned id;
    SDL_TimerID sdlTimerId = nullptr; // guarded by the registry mutex
};

template <class TClass>
NewTimer<TClass>::NewTimer(TClass* instance, Method method, unsigned interval)
    : id(registry().nextId++) {
    try {
        auto call = std::make_shared<Callback>(instance, method);
        Registry& r = registry();
        ScopedLock lock(r.mutex);
        // Registered before SDL can call, under the lock the first tick needs.
        r.timers[id] = Entry{std::move(call), &sdlTimerId};
        sdlTimerId = SDL_AddTimer(std::max(interval, 1u), &NewTimer::callback, toArgs(id));
        if (sdlTimerId == nullptr) {
            r.timers.erase(id);
            throw std::logic_error(" Creation of SDL Timer failed !");
        }
    } catch (const std::exception& e) {
        MediaLog.safeEntry("Exception catched in Timer Constructor !!!");
        MediaLog.safeEntry(e.what());
        throw;
    }
}

template <class TClass>
NewTimer<TClass>::~NewTimer() {
    Log_Errors(MediaLog, "Error in template <class TClass> NewTimer<TClass> Destructor, ",
               "Unhandled Error in template <class TClass> NewTimer<TClass> Destructor", [&] {
                   // Waits for a callback in progress, which may be using the owner.
                   ScopedLock world(WorldLock::mutex());
                   stop();
               });
    Log_Errors(MediaLog, "Error in template <class TClass> NewTimer<TClass> Destructor, ",
               "Unhandled Error in template <class TClass> NewTimer<TClass> Destructor", [&] {
                   Registry& r = registry();
                   ScopedLock lock(r.mutex);
                   r.timers.erase(id);
               });
}

template <class TClass>
bool NewTimer<TClass>::stop() {
    Registry& r = registry();
    ScopedLock lock(r.mutex);
    if (sdlTimerId != nullptr && SDL_RemoveTimer(sdlTimerId))
        sdlTimerId = nullptr;
    return sdlTimerId == nullptr;
}

template <class TClass>
bool NewTimer<TClass>::isRunning() const {
    ScopedLock lock(registry().mutex);
    return sdlTimerId != nullptr;
}

template <class TClass>
unsigned NewTimer<TClass>::callback(unsigned interval, void* args) {
    const unsigned timerId = fromArgs(args);
    return Run_Timer_Tick("Error in template <class TClass> NewTimer<TClass>::callback(), ",
                          "Unhandled Error in template <class TClass> NewTimer<TClass>::callback()",
                          [&] { return tick(timerId, interval); }, [&] { stopped(timerId); });
}

// The user's call, made only while the timer still runs: a stopped or
// deleted timer's late tick calls nobody.
template <class TClass>
unsigned NewTimer<TClass>::tick(unsigned timerId, unsigned interval) {
    std::shared_ptr<Callback> call;
    {
        Registry& r = registry();
        ScopedLock lock(r.mutex);
        auto found = r.timers.find(timerId);
        if (found == r.timers.end() || *found->second.sdlTimerId == nullptr)
            return 0;
        call = found->second.call;
    }
    return (*call)(interval, nullptr);
}

template <class TClass>
void NewTimer<TClass>::stopped(unsigned timerId) {
    Registry& r = registry();
    ScopedLock lock(r.mutex);
    auto found = r.timers.find(timerId);
    if (found == r.timers.end())
        return;
    // SDL 1.2 ignores a 0 result when its timer list changed during the call;
    // removing the timer here is safe inside its callback.
    SDL_TimerID& sdlId = *found->second.sdlTimerId;
    if (sdlId != nullptr)
        SDL_RemoveTimer(sdlId);
    sdlId = nullptr;
}

} // namespace SDL
} // namespace GLINT
