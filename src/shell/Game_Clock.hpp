#pragma once

#include <SDL/SDL_types.h>

// Every reading of the game's time, in milliseconds since SDL started. Tests
// set it to make animations, endurance and the AI's pace exact.
class Game_Clock {
public:
    Game_Clock() = delete;

    static Uint32 Now();

    // From now on Now() returns this value until it is changed or released.
    static void Set(Uint32 ms);
    static void Advance(Uint32 ms);
    // Back to SDL's ticks.
    static void Use_Real_Time();
    static bool Is_Set();
};
