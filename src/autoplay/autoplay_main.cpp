// varnholt-autoplay: the game with a bot in the hero's place. Run it from the
// game folder; without a display (or with --headless) it plays on SDL's dummy
// drivers. Exits 0 on victory, 1 otherwise.
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include "autoplay/Autopilot.hpp"
#include "autoplay/Autopilot_Engine.hpp"
#include "media/MediaContext.hpp"
#include "media/Window.hpp"
#include "shell/Lifecycle.hpp"

namespace {

int Usage() {
    std::cerr << "Usage: varnholt-autoplay [--headless] [--trace] [--hand-over] [--seconds LIMIT] [--name NAME]\n"
                 "Plays Varnholt from the current folder until victory, death or LIMIT seconds of play\n"
                 "(3600 by default). VARNHOLT_SEED makes a run repeatable.\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    bool headless = !std::getenv("DISPLAY") || !*std::getenv("DISPLAY");
    bool trace = false;
    bool handOver = false;
    unsigned long limit = 3600;
    std::string name = "Autopilot";
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--headless") {
            headless = true;
        } else if (option == "--trace") {
            trace = true;
        } else if (option == "--hand-over") {
            handOver = true;
        } else if (option == "--seconds" && i + 1 < argc) {
            char* end = nullptr;
            limit = std::strtoul(argv[++i], &end, 10);
            if (!end || *end || limit == 0)
                return Usage();
        } else if (option == "--name" && i + 1 < argc) {
            name = argv[++i];
        } else {
            return Usage();
        }
    }
    if (headless) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }

    std::unique_ptr<Autopilot> pilot;
    std::unique_ptr<Autopilot_Engine> engine;
    const int code = Run_Game_Phases([&] {
        const Game_World world = Get_Game_World();
        pilot.reset(new Autopilot(world, std::cout, static_cast<unsigned>(limit), name));
        pilot->Set_Trace(trace);
        pilot->Set_Hand_Over(handOver);
        engine.reset(new Autopilot_Engine(*world.Engine, *pilot));
        GLINT::SDL::MediaContext::instance().getWindow()->setEngine(engine.get());
    });
    if (!pilot) {
        std::cout << "The game did not start: the reason is in the game's log" << std::endl;
        return 1;
    }
    std::cout << pilot->Summary() << std::endl;
    return code == 0 && pilot->Get_Outcome() == Autopilot::Victory ? 0 : 1;
}
