#include "shell/Daemons.hpp"

#include <atomic>

#include "ai/Character_Factory_Base.hpp"
#include "ai/Monster_Counters.hpp"
#include "media/Logger.hpp"
#include "media/ScopedLock.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Clock.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::GameLog;

namespace {

std::atomic<Uint32> Start_Ms{0};
std::atomic<Uint32> Elapsed_Seconds{0};
std::atomic<bool> Won{false};

} // namespace

Daemons::Daemons(BattleField* battlefield, std::vector<Character_Factory_Base*>* factories,
                 std::vector<Character_Base*>* characters, Actionables_Manager* actionables)
    : Battlefield(battlefield), Factories(factories), Characters(characters), Actionables(actionables) {
    GameLog.safeEntry("Deamons CONSTRUCTED Successfully ");
}

Daemons::~Daemons() { GameLog.safeEntry("Deamons DESTRUCTED Successfully "); }

void Daemons::Start_Game_Time() {
    Start_Ms = Game_Clock::Now();
    Elapsed_Seconds = 0;
    Won = false;
}

Uint32 Daemons::Get_Elapsed_Seconds() {
    if (Won)
        return Elapsed_Seconds;
    // Ticks only grow: the difference is never negative.
    return (Game_Clock::Now() - Start_Ms) / 1000u;
}

unsigned Daemons::Generate_Monsters(unsigned interval, void*) {
    const int state = Game_Settings::GLOBAL_GAME_STATE;
    if (state == 5 || state == 8)
        return 0;
    // A factory that fails this time is reported; generation goes on next time.
    Log_Errors(GameLog, "From Daemons::Generate_Monsters(), ", "Unhandled Error In Daemons::Generate_Monsters()", [&] {
        if (!Factories || !Battlefield)
            return;
        for (Character_Factory_Base* factory : *Factories) {
            GLINT::SDL::ScopedLock hold(factory->Get_Mutex());
            factory->Generate_New_Monster(*Battlefield, *Characters, Actionables);
        }
        GameLog.safeEntry("Generate Monsters ");
    });
    return interval;
}

unsigned Daemons::Check_Victory(unsigned interval, void*) {
    const int state = Game_Settings::GLOBAL_GAME_STATE;
    // Dead, in the credits or already won: nothing left to check.
    if (state == 5 || state == 7 || state == 8)
        return 0;
    if (Monster_Counters::Alive != 0)
        return interval;
    // The victory waits until the menus are closed: only play can be won.
    if (state != 3)
        return interval;
    Elapsed_Seconds = (Game_Clock::Now() - Start_Ms) / 1000u;
    Won = true;
    Game_Settings::GLOBAL_GAME_STATE = 5;
    return 0;
}
