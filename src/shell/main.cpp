#include <exception>

#include <SDL/SDL.h>
#include <guichan/exception.hpp>

#include "media/Logger.hpp"
#include "shell/Game_Random.hpp"
#include "shell/Lifecycle.hpp"

using GLINT::SDL::GameLog;
using GLINT::SDL::Logger;

namespace {

void Log_Entry(const char* text) { GameLog << Logger::beginEntry << text << std::endl; }

// Clean up after a failure, then leave the player time to read what happened.
int Fail(Uint32 waitMs) {
    if (!CleanUp())
        Log_Entry("Clean Up failed... ");
    GameLog.flush();
    Show_Start_Failure();
    SDL_Delay(waitMs);
    return 1;
}

} // namespace

int main(int, char**) {
    try {
        Game_Random::Seed_From_Environment();

        InitEverything();
        Log_Entry("-> Initialization Successful <-");

        Log_Entry("-> Starting Implementation <-");
        ImplementEverything();
        Log_Entry("-> Implementation Successful <-");

        Log_Entry("-> Starting Game Mainloop & Timers <-");
        RunGame();
        Log_Entry("-> Game Mainloop Stopped <-");

        Log_Entry("-> Stopping Timers & Starting Clean Up  <-");
        if (!CleanUp()) {
            Log_Entry("Clean Up failed... ");
            return 1;
        }
        Log_Entry("-> Timers Stopped, Clean Up Successful <-");
        return 0;
    } catch (const gcn::Exception& e) {
        GameLog << "Exception In GuiChan: " << e.getMessage() << std::endl;
        return Fail(2000);
    } catch (const std::exception& e) {
        GameLog << Logger::beginEntry << e.what() << std::endl;
        return Fail(2000);
    } catch (...) {
        Log_Entry("Unhandled Exception occured in Main : ");
        Log_Entry("Varnholt stopped in emergency");
        return Fail(30000);
    }
}
