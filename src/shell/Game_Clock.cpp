#include "shell/Game_Clock.hpp"

#include <atomic>

#include <SDL/SDL_timer.h>

namespace {

std::atomic<bool> Fixed{false};
std::atomic<Uint32> Fixed_Time{0};

} // namespace

Uint32 Game_Clock::Now() { return Fixed.load() ? Fixed_Time.load() : SDL_GetTicks(); }

void Game_Clock::Set(Uint32 ms) {
    Fixed_Time.store(ms);
    Fixed.store(true);
}

void Game_Clock::Advance(Uint32 ms) { Set(Now() + ms); }

void Game_Clock::Use_Real_Time() { Fixed.store(false); }

bool Game_Clock::Is_Set() { return Fixed.load(); }
