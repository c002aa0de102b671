#pragma once

#include <atomic>

// How many monsters are alive and how many have been killed, over every
// monster factory. Kept by the factories; read by the interface, the victory
// check and the bow drop.
class Monster_Counters {
public:
    Monster_Counters() = delete;

    static std::atomic<int> Alive;
    static std::atomic<int> Killed;

    static void Reset() {
        Alive = 0;
        Killed = 0;
    }
};
