// Times whole frames of the real game world, headless: the shipped map with
// every monster factory full, the NPCs on their rounds, the hero walking a
// fixed loop and shooting arrows, the interface drawn. Each frame is the main
// loop's body without its pacing: clear, prerender, render, refresh,
// postrender. The floor is one full-screen fill measured in the same run.
// Blocks of frames with the map shown alternate with blocks without it, so
// that both see the same stretch of the world.
//
// The game clock advances 1/60 s per frame, so the world lives as it would
// at 60 frames a second however fast the frames are drawn, and a seeded run
// repeats itself (under callgrind too).
//
// Usage: frame_bench [game folder] [frames] [WxHxBPP]
// Without a mode it runs 1024x768x16 and 1920x1080x32, each in a process of
// its own so that each has its own resident peak.

#include <SDL/SDL.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "Bench_Figures.hpp"
#include "ai/Character_Factory_Base.hpp"
#include "ai/Monster_Counters.hpp"
#include "ai/Monster_Factory.hpp"
#include "ai/NPC_Factory.hpp"
#include "battlefield/BattleField.hpp"
#include "characters/Monster_Skeleton.hpp"
#include "characters/Monster_Worm.hpp"
#include "characters/NPC_Merchant.hpp"
#include "characters/NPC_OHS_Guard.hpp"
#include "characters/Player.hpp"
#include "interface/GUI.hpp"
#include "interface/Player_Commands.hpp"
#include "interface/Render_Engine.hpp"
#include "interface/World_Map.hpp"
#include "interface/Sounds_And_Musics.hpp"
#include "items/Actionables_Manager.hpp"
#include "items/Apprentice_Bow.hpp"
#include "items/Inventory.hpp"
#include "items/Normal_Arrow.hpp"
#include "items/Projectile_Stack.hpp"
#include "media/Logger.hpp"
#include "media/MediaContext.hpp"
#include "media/ScopedLock.hpp"
#include "media/Window.hpp"
#include "media/WorldLock.hpp"
#include "shell/Config.hpp"
#include "shell/Game_Clock.hpp"
#include "shell/Game_Random.hpp"
#include "shell/Game_Settings.hpp"

extern char** environ;

namespace {

using bench::Clock;
using bench::Milliseconds;
using GLINT::SDL::MediaContext;
using GLINT::SDL::ScopedLock;
using GLINT::SDL::WorldLock;

struct Mode {
    int Width, Height, Bpp;
};

// The world as ImplementEverything builds it, minus the loading screen.
struct World {
    GUI* Interface = nullptr;
    BattleField* Field = nullptr;
    Actionables_Manager* Actionables = nullptr;
    std::vector<Character_Factory_Base*> Factories;
    std::vector<Character_Base*> Characters;
    Player* Hero = nullptr;
    Render_Engine* Engine = nullptr;

    World() {
        Interface = new GUI();
        Field = new BattleField();
        Actionables = new Actionables_Manager();
        Hero = new Player(*Field);
        Hero->Set_Following_Camera();
        Hero->Infos().Actionables = Actionables;
        Characters.push_back(Hero);
        Factories.push_back(new NPC_Factory<NPC_Merchant>());
        Factories.push_back(new NPC_Factory<NPC_OHS_Guard>());
        Factories.push_back(new Monster_Factory<Monster_Skeleton>());
        Factories.push_back(new Monster_Factory<Monster_Worm>());
        for (Character_Factory_Base* factory : Factories)
            factory->Create_Characters(*Field, Characters, Actionables);
        Engine = new Render_Engine(Field);
        Engine->Set_Player(Hero);
        Engine->Set_GUI(Interface);
        Engine->Set_Factories(&Factories);
        Engine->Set_Actionables(Actionables);
    }

    World(const World&) = delete;
    World& operator=(const World&) = delete;

    ~World() {
        for (Character_Factory_Base* factory : Factories)
            delete factory;
        delete Hero;
        delete Field;
        delete Engine;
        delete Interface;
        delete Actionables;
    }

    int Monsters() const {
        int n = 0;
        for (std::size_t i = 2; i < Factories.size(); ++i)
            n += static_cast<int>(Factories[i]->Get_Characters().size());
        return n;
    }

    // Everyone stays alive and fighting: deaths would empty the world the bench is about.
    void Heal_Everyone() {
        auto heal = [](Character_Base* c) {
            Characteristics& stats = *c->Infos().CH_Characteristics;
            if (c->Infos().Life_State == 1)
                stats.Life = stats.Max_Life;
        };
        heal(Hero);
        for (Character_Factory_Base* factory : Factories) {
            ScopedLock hold(factory->Get_Mutex());
            for (Character_Base* c : factory->Get_Characters())
                heal(c);
        }
    }

    // Characters with a path to walk or a step under way.
    int On_The_Move() {
        int n = 0;
        for (Character_Factory_Base* factory : Factories) {
            ScopedLock hold(factory->Get_Mutex());
            for (Character_Base* c : factory->Get_Characters())
                n += c->Infos().Anim_State > 0 || !c->Infos().Path.empty();
        }
        return n;
    }
};

// The hero's loop over the field, as shares of its size; a corner he can't
// reach is given up after a second without a step.
class Route {
public:
    void Steer(Player& hero) {
        static const double points[][2] = {{0.30, 0.30}, {0.70, 0.30}, {0.70, 0.70}, {0.30, 0.70},
                                           {0.50, 0.50}, {0.15, 0.50}, {0.50, 0.15}, {0.85, 0.50}};
        const int count = static_cast<int>(sizeof points / sizeof points[0]);
        CH_Base_All_Infos& infos = hero.Infos();
        const int tx = static_cast<int>(points[Next][0] * BF_Width);
        const int ty = static_cast<int>(points[Next][1] * BF_Height);
        const int dx = tx - infos.X, dy = ty - infos.Y;
        Stalled = infos.X == Last_X && infos.Y == Last_Y && hero.Can_Act() ? Stalled + 1 : 0;
        Last_X = infos.X;
        Last_Y = infos.Y;
        if ((std::abs(dx) < 24 && std::abs(dy) < 24) || Stalled > 60) {
            Next = (Next + 1) % count;
            Stalled = 0;
        }
        Characteristics& stats = *infos.CH_Characteristics;
        // Dead zones keep him from zig-zagging on one axis.
        stats.Vector_X = static_cast<float>(dx > 8 ? 1 : dx < -8 ? -1 : 0);
        stats.Vector_Y = static_cast<float>(dy > 8 ? 1 : dy < -8 ? -1 : 0);
        if (!hero.Can_Act())
            return;
        infos.Direction = hero.Find_Direction_From_Velocities();
        if (stats.Vector_X != 0.0f && stats.Vector_Y != 0.0f) {
            const float root2 = std::sqrt(2.0f);
            stats.Vector_X /= root2;
            stats.Vector_Y /= root2;
        }
    }

private:
    int Next = 0;
    int Stalled = 0;
    int Last_X = -1, Last_Y = -1;
};

void Set_Up_Media(const Mode& mode) {
    MediaContext& media = MediaContext::instance();
    bool mayCreate = false;
    const bool configured = Get_Config(mayCreate);
    if (!media.InitVideo(false, false, false, false))
        throw std::runtime_error(std::string("no video: ") + SDL_GetError());
    if (!configured) {
        mayCreate = true;
        Get_Config(mayCreate);
    }
    if (!media.InitTimer() || !media.InitText())
        throw std::runtime_error(std::string("no timer or text: ") + SDL_GetError());
    GLINT::SDL::Window& window = *media.getWindow();
    if (!window.resetDisplay(mode.Width, mode.Height, mode.Bpp))
        throw std::runtime_error(std::string("no display: ") + SDL_GetError());
    Game_Settings::Current_Screen_Width = window.getDisplay()->getWidth();
    Game_Settings::Current_Screen_Height = window.getDisplay()->getHeight();
    Game_Settings::Current_Screen_BPP = window.getDisplay()->getDepth();
    if (!media.InitAudio(44100, 1, 2048))
        throw std::runtime_error(std::string("no audio: ") + SDL_GetError());
    Init_Sounds_And_Musics();
}

void Run_Mode(const Mode& mode, int frames) {
    Set_Up_Media(mode);
    // The full world: every monster factory starts at its most.
    Game_Settings::INITIAL_MONSTERS = Game_Settings::MAX_MONSTERS_SIMULTANEOUSLY;
    Game_Settings::GLOBAL_GAME_STATE = 3;
    Game_Random::Seed(1234);
    Game_Clock::Set(SDL_GetTicks());

    GLINT::SDL::Window& window = *MediaContext::instance().getWindow();
    GLINT::SDL::VideoSurface& screen = *window.getDisplay();
    const auto buildStart = Clock::now();
    std::unique_ptr<World> built(new World());
    World& world = *built;
    const double buildMs = Milliseconds(Clock::now() - buildStart);
    window.setEngine(world.Engine);

    // A bow, arrows for the whole run, and the bow in hand.
    Inventory& pack = *world.Hero->Infos().CH_Inventory;
    pack.Add(new Apprentice_Bow());
    pack.Add(new Projectile_Stack(new Normal_Arrow(), 1000000));
    Player_Commands::Carry_Out(Player_Commands::Draw_Distant_W, *world.Hero, world.Interface);

    const int warmUp = 120;
    // The map's picture is made in the warm-up, whose blocks alternate too; a
    // block is not a multiple of the shots' period, which both kinds share.
    const int block = 25;
    std::vector<double> fillMs, prerenderMs, renderMs, postrenderMs, frameMs, mapRenderMs, mapFrameMs;
    Route route;
    const GLINT::SDL::RGBColor background = window.getBackground();
    SDL_Surface* raw = screen.get_SDL();
    const Uint32 black = SDL_MapRGB(raw->format, 0, 0, 0);
    long moving = 0;
    int shots = 0;
    Uint32 lastUpdate = Game_Clock::Now();
    for (int frame = 0; frame < warmUp + 2 * frames; ++frame) {
        // Whole milliseconds, 1000 in 60 frames.
        Game_Clock::Set(Game_Clock::Now() + (frame % 3 == 0 ? 16 : 17));
        const bool map = frame / block % 2 == 1;
        {
            ScopedLock world_lock(WorldLock::mutex());
            if (map != World_Map::Is_Shown())
                World_Map::Toggle();
            world.Heal_Everyone();
            route.Steer(*world.Hero);
            if (frame % 40 == 20 && world.Hero->Can_Act()) {
                Player_Commands::Carry_Out(Player_Commands::Attack, *world.Hero, world.Interface);
                ++shots;
            }
        }

        const auto f0 = Clock::now();
        SDL_FillRect(raw, nullptr, black);
        const auto f1 = Clock::now();

        const auto t0 = Clock::now();
        Clock::time_point t1, t2, t3, t4;
        {
            ScopedLock world_lock(WorldLock::mutex());
            window.getEventDispatcher().dispatchPending();
            // As the main loop does: no clear under a frame that paints every pixel.
            if (!world.Engine->coversDisplay(screen))
                screen.fill(background);
            const Uint32 now = Game_Clock::Now();
            t1 = Clock::now();
            world.Engine->prerender(now - lastUpdate);
            lastUpdate = now;
            t2 = Clock::now();
            world.Engine->render(screen);
            t3 = Clock::now();
        }
        {
            ScopedLock world_lock(WorldLock::mutex());
            screen.refresh();
        }
        {
            ScopedLock world_lock(WorldLock::mutex());
            t4 = Clock::now();
            world.Engine->postrender();
        }
        const auto t5 = Clock::now();
        if (frame < warmUp)
            continue;
        if (map) {
            mapRenderMs.push_back(Milliseconds(t3 - t2));
            mapFrameMs.push_back(Milliseconds(t5 - t0));
            continue;
        }
        fillMs.push_back(Milliseconds(f1 - f0));
        prerenderMs.push_back(Milliseconds(t2 - t1));
        renderMs.push_back(Milliseconds(t3 - t2));
        postrenderMs.push_back(Milliseconds(t5 - t4));
        frameMs.push_back(Milliseconds(t5 - t0));
        moving += world.On_The_Move();
    }

    const double fill = bench::Median(fillMs);
    int over8 = 0;
    for (double ms : frameMs)
        over8 += ms > 8.0;
    std::printf("%dx%dx%d  %d frames, and as many with the map shown, after %d to warm up; world built in %.0f ms\n",
                mode.Width, mode.Height, mode.Bpp, frames, warmUp, buildMs);
    std::printf("  world: %d monsters (at most %d per factory), %.1f characters on the move per frame, %d arrows "
                "shot, hero at (%d, %d)\n",
                world.Monsters(), Game_Settings::MAX_MONSTERS_SIMULTANEOUSLY,
                static_cast<double>(moving) / frames, shots, world.Hero->Infos().X, world.Hero->Infos().Y);
    bench::Print_Row("prerender", prerenderMs, fill);
    bench::Print_Row("render", renderMs, fill);
    bench::Print_Row("postrender", postrenderMs, fill);
    bench::Print_Row("frame", frameMs, fill);
    bench::Print_Row("fill", fillMs, 0);
    bench::Print_Row("map render", mapRenderMs, fill);
    bench::Print_Row("map frame", mapFrameMs, fill);
    std::printf("  map shown against hidden, median frame: %.2f x\n",
                bench::Median(mapFrameMs) / bench::Median(frameMs));
    std::printf("  frames above 8 ms: %d; resident peak (VmHWM) %.1f MB; load average %.2f\n\n", over8,
                bench::Status_MB("VmHWM"), bench::Load_Average());
    std::fflush(stdout);

    window.setEngine(nullptr);
    GLINT::SDL::WorldLock::beginShutdown();
    ScopedLock world_lock(WorldLock::mutex());
    // The world goes before the sounds it plays.
    built.reset();
}

bool Parse_Mode(const std::string& text, Mode& mode) {
    return std::sscanf(text.c_str(), "%dx%dx%d", &mode.Width, &mode.Height, &mode.Bpp) == 3;
}

} // namespace

int main(int argc, char** argv) {
    const std::string gameDir = argc > 1 ? argv[1] : VARNHOLT_GAME_DIR;
    const int frames = argc > 2 ? std::max(10, std::atoi(argv[2])) : 1000;
    Mode mode{};
    if (argc > 3 && !Parse_Mode(argv[3], mode)) {
        std::fprintf(stderr, "frame_bench: mode %s is not WxHxBPP\n", argv[3]);
        return 2;
    }
    if (argc <= 3) {
        std::printf("frame_bench: %s, %d frames per mode, SDL dummy video and audio\n\n", gameDir.c_str(), frames);
        std::fflush(stdout);
        int status = 0;
        for (const char* m : {"1024x768x16", "1920x1080x32"}) {
            const std::string count = std::to_string(frames);
            char* args[] = {argv[0], const_cast<char*>(gameDir.c_str()), const_cast<char*>(count.c_str()),
                            const_cast<char*>(m), nullptr};
            pid_t child = 0;
            int result = 0;
            if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, args, environ) != 0 ||
                waitpid(child, &result, 0) != child || !WIFEXITED(result) || WEXITSTATUS(result) != 0)
                status = 1;
        }
        return status;
    }

    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (chdir(gameDir.c_str()) != 0) {
        std::fprintf(stderr, "frame_bench: cannot enter %s\n", gameDir.c_str());
        return 1;
    }
    GLINT::SDL::GameLog.setConsole(false);
    GLINT::SDL::MediaLog.setConsole(false);
    try {
        Run_Mode(mode, frames);
        Release_Sounds_And_Musics();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "frame_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
