#include "autoplay/Autopilot_Engine.hpp"

#include <exception>

#include "autoplay/Autopilot.hpp"
#include "media/Logger.hpp"

void Autopilot_Engine::prerender(unsigned long ticks) {
    // A fault in the bot is the bot's: the game's frame goes on.
    try {
        Pilot.Play_Frame();
    } catch (const std::exception& e) {
        GLINT::SDL::GameLog.safeEntry(std::string("Error In Autopilot::Play_Frame(): ") + e.what());
    }
    Game.prerender(ticks);
}
