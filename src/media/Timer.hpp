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

// What a Timer<TClass> calls, and how often, is fixed per class. Each class
// used with Timer names it once, next to its own declaration, by specialising
// this template:
//
//     template <> struct GLINT::SDL::TimerMethod<Flying> {
//         // unsigned (Flying::*)(unsigned interval, void* args); the result is
//         // the next interval in ms, 0 stops the timer.
//         static constexpr auto method = &Flying::Fly_Callback;
//         // First interval in ms, read at each launch(); 0 means never start.
//         static unsigned interval() { return 1; }
//     };
//
// A private method needs `friend struct GLINT::SDL::TimerMethod<Flying>;`.
template <class TClass>
struct TimerMethod;

// A restartable timer calling TimerMethod<TClass>::method on one TClass
// object from SDL's timer thread. Usual restart: abort(), setCallback(this),
// launch(). The owner deletes it when cleaned up; deletion aborts it and
// waits for a callback in progress.
//
// SDL 1.2 keeps calling a callback whose timer was removed while it was about
// to run, so SDL is given only this timer's id: the trampoline looks the
// callback up by id under the class's registry mutex and finds nothing once
// the timer is gone. The trampoline holds the world lock around the whole
// tick, and returns 0 without touching anything once shutdown has begun. An
// exception from the callback is logged to the media log and stops the timer.
template <class TClass>
class Timer {
public:
    class Callback : public GLINT::TSpecificFunctor2<TClass, unsigned int, unsigned int, void*> {
    public:
        using GLINT::TSpecificFunctor2<TClass, unsigned int, unsigned int, void*>::TSpecificFunctor2;
    };

    Timer();
    ~Timer();

    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void setCallback(TClass* instance);
    // Starts the timer unless it runs already, its interval is 0 or shutdown
    // has begun; returns whether it was started.
    bool launch();
    // Returns true when the timer is not running afterwards.
    bool abort();

    bool isRunning() const;
    unsigned getId() const { return id; }

    // Runs on SDL's timer thread; args carries the timer id.
    static unsigned callback(unsigned interval, void* args);

private:
    struct Registry {
        Mutex mutex;
        // Shared so that a callback replaced or deleted while it runs (even
        // from inside itself) lives until its call returns.
        std::map<unsigned, std::shared_ptr<Callback>> callbacks;
        std::map<unsigned, SDL_TimerID*> running;
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
Timer<TClass>::Timer() : id(registry().nextId++) {}

template <class TClass>
Timer<TClass>::~Timer() {
    // Destructors must not throw: failures become media log entries.
    Log_Errors(MediaLog, "Error in template <class TClass> Timer<TClass> Destructor, ",
               "Unhandled Error in template <class TClass> Timer<TClass> Destructor", [&] {
                   // Waits for a callback in progress, which may be using the owner.
                   ScopedLock world(WorldLock::mutex());
                   abort();
               });
    Log_Errors(MediaLog, "Error in template <class TClass> Timer<TClass> Destructor, ",
               "Unhandled Error in template <class TClass> Timer<TClass> Destructor", [&] {
                   Registry& r = registry();
                   ScopedLock lock(r.mutex);
                   r.callbacks.erase(id);
                   // Even if SDL refused the removal: no pointer to this object may stay.
                   r.running.erase(id);
               });
}

template <class TClass>
void Timer<TClass>::setCallback(TClass* instance) {
    Chain_Errors("Error in template <class TClass> Timer<TClass>::setCallback(), ",
                 "Unhandled Error in template <class TClass> Timer<TClass>::setCallback()", [&] {
                     auto fresh = std::make_shared<Callback>(instance, TimerMethod<TClass>::method);
                     Registry& r = registry();
                     ScopedLock lock(r.mutex);
                     r.callbacks[id] = std::move(fresh);
                 });
}

template <class TClass>
bool Timer<TClass>::launch() {
    return Chain_Errors("Error in template <class TClass> Timer<TClass>::launch(), ",
                        "Unhandled Error in template <class TClass> Timer<TClass>::launch()", [&] {
                            if (WorldLock::isShuttingDown())
                                return false;
                            const unsigned interval = TimerMethod<TClass>::interval();
                            if (interval == 0)
                                return false;
                            Registry& r = registry();
                            ScopedLock lock(r.mutex);
                            if (sdlTimerId != nullptr || r.running.count(id) != 0)
                                return false;
                            sdlTimerId = SDL_AddTimer(std::max(interval, 1u), &Timer::callback, toArgs(id));
                            if (sdlTimerId == nullptr)
                                return false;
                            r.running[id] = &sdlTimerId;
                            return true;
                        });
}

template <class TClass>
bool Timer<TClass>::abort() {
    return Chain_Errors("Error in template <class TClass> Timer<TClass>::abort(), ",
                        "Unhandled Error in template <class TClass> Timer<TClass>::abort()", [&] {
                            Registry& r = registry();
                            ScopedLock lock(r.mutex);
                            auto entry = r.running.find(id);
                            if (sdlTimerId != nullptr && entry != r.running.end() &&
                                SDL_RemoveTimer(sdlTimerId)) {
                                sdlTimerId = nullptr;
                                r.running.erase(entry);
                            }
                            return sdlTimerId == nullptr;
                        });
}

template <class TClass>
bool Timer<TClass>::isRunning() const {
    ScopedLock lock(registry().mutex);
    return sdlTimerId != nullptr;
}

template <class TClass>
unsigned Timer<TClass>::callback(unsigned interval, void* args) {
    const unsigned timerId = fromArgs(args);
    return Run_Timer_Tick("Error in template <class TClass> Timer<TClass>::callback(), ",
                          "Unhandled Error in template <class TClass> Timer<TClass>::callback()",
                          [&] { return tick(timerId, interval); }, [&] { stopped(timerId); });
}

// The user's call, made only while the timer is registered as running (an
// aborted timer's late tick calls nobody).
template <class TClass>
unsigned Timer<TClass>::tick(unsigned timerId, unsigned interval) {
    std::shared_ptr<Callback> call;
    {
        Registry& r = registry();
        ScopedLock lock(r.mutex);
        if (r.running.count(timerId) == 0)
            return 0;
        auto found = r.callbacks.find(timerId);
        if (found == r.callbacks.end())
            return 0;
        call = found->second;
    }
    return (*call)(interval, nullptr);
}

template <class TClass>
void Timer<TClass>::stopped(unsigned timerId) {
    Registry& r = registry();
    ScopedLock lock(r.mutex);
    auto entry = r.running.find(timerId);
    if (entry == r.running.end())
        return;
    // SDL 1.2 ignores a 0 result when its timer list changed during the call,
    // and would call again; removing the timer here is safe inside its callback.
    if (*entry->second != nullptr)
        SDL_RemoveTimer(*entry->second);
    *entry->second = nullptr;
    r.running.erase(entry);
}

} // namespace SDL
} // namespace GLINT
