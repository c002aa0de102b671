#include "shell/Lifecycle.hpp"

#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include <SDL/SDL.h>
#include <guichan/exception.hpp>
#include <libxml/parser.h>
#include <libxml/xmlmemory.h>

#include "ai/Character_Factory_Base.hpp"
#include "ai/Monster_Factory.hpp"
#include "ai/NPC_Factory.hpp"
#include "battlefield/BattleField.hpp"
#include "characters/Monster_Skeleton.hpp"
#include "characters/Monster_Worm.hpp"
#include "characters/NPC_Merchant.hpp"
#include "characters/NPC_OHS_Guard.hpp"
#include "characters/Player.hpp"
#include "interface/GUI.hpp"
#include "interface/GamepadInput.hpp"
#include "interface/KeyboardInput.hpp"
#include "interface/MouseInput.hpp"
#include "interface/Render_Engine.hpp"
#include "interface/Sounds_And_Musics.hpp"
#include "items/Actionables_Manager.hpp"
#include "media/Font.hpp"
#include "media/Logger.hpp"
#include "media/MediaContext.hpp"
#include "media/NewTimer.hpp"
#include "media/RGBSurface.hpp"
#include "media/ScopedLock.hpp"
#include "media/Window.hpp"
#include "media/WorldLock.hpp"
#include "shell/Config.hpp"
#include "shell/Daemons.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Random.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::GameLog;
using GLINT::SDL::Logger;
using GLINT::SDL::MediaContext;

namespace {

void Log_Entry(const std::string& text) { GameLog << Logger::beginEntry << text << std::endl; }

// Throws the step's failure text followed by SDL's own explanation.
void Require(bool ok, const std::string& failure) {
    if (!ok)
        throw std::logic_error(failure + SDL_GetError());
}

GLINT::SDL::Window& Game_Window() {
    GLINT::SDL::Window* window = MediaContext::instance().getWindow();
    if (!window)
        throw std::logic_error("No window: video is not initialised");
    return *window;
}

const char* const Font_File = "Data/Fonts/SlimSansSerif.ttf";
const char* const Loading_Screen_File = "Data/Interface/LS_Initial.png";
const char* const Icon_File = "Varnholt_ico.png";

// The game's objects, created by ImplementEverything and deleted by CleanUp.
BattleField* Battlefield = nullptr;
Actionables_Manager* Actionables = nullptr;
std::vector<Character_Factory_Base*>* Factories = nullptr;
std::vector<Character_Base*>* Characters = nullptr;
Daemons* Game_Daemons = nullptr;
Render_Engine* Engine_Of_The_Game = nullptr;
GUI* Interface = nullptr;
Player* Game_Player = nullptr;
KeyboardInput* Game_Keyboard = nullptr;
MouseInput* Game_Mouse = nullptr;
GLINT::SDL::NewTimer<Daemons>* Generation_Timer = nullptr;
GLINT::SDL::NewTimer<Daemons>* Victory_Timer = nullptr;
GLINT::SDL::NewTimer<Actionables_Manager>* Erosion_Timer = nullptr;

template <class Factory>
void Add_Factory(GLINT::SDL::Window& window, int progress, const char* message) {
    window.UpdateLoadingScreen(progress, message);
    Factories->push_back(new Factory());
}

} // namespace

void InitEverything() {
    Chain_Errors("From InitEverything(), ", "Unhandled Error In InitEverything()", [] {
        MediaContext& media = MediaContext::instance();

        bool mayCreate = false;
        const bool configured = Get_Config(mayCreate);
        if (configured)
            Log_Entry("Configuration : Set");

        Require(media.InitVideo(Game_Settings::FULLSCREEN, false, true, false), "Init Video Failed: ");
        Log_Entry("Init Video : OK ");

        // Only now is the desktop size known, which a new Config.ini is written with.
        if (!configured) {
            mayCreate = true;
            Get_Config(mayCreate);
            Log_Entry("Configuration : Set");
        }

        Require(media.InitTimer(), "Init Timer Failed: ");
        Log_Entry("Init Timer : OK ");

        // Pads are a convenience: without any the game starts all the same.
        Log_Entry("Init Joystick : " + std::to_string(media.InitJoystick()) + " pad(s) ");

        Require(media.InitText(), "TTF Init Failed: ");
        Log_Entry("TTF Init : OK ");

        GLINT::SDL::Window& window = Game_Window();
        Require(window.resetDisplay(Game_Settings::SCREEN_WIDTH, Game_Settings::SCREEN_HEIGHT,
                                    Game_Settings::SCREEN_BPP),
                "Create Surface Failed: ");
        Log_Entry("Video Surface Creation : OK ");
        // A 0 in Config.ini lets the display choose: the camera and menus need what it chose.
        Game_Settings::Current_Screen_Width = window.getDisplay()->getWidth();
        Game_Settings::Current_Screen_Height = window.getDisplay()->getHeight();
        Game_Settings::Current_Screen_BPP = window.getDisplay()->getDepth();

        window.setTitle(Game_Settings::Window_Name);

        {
            const GLINT::SDL::Font messageFont(Font_File, 16);
            const GLINT::SDL::Font titleFont(Font_File, 28);
            window.ShowLoadingScreen(Loading_Screen_File, "2D v0.04 \"Quill\"", titleFont, "Setting Game Icon",
                                     messageFont, GLINT::SDL::Rect(100, 400, 600, 25));
        }

        window.setIcon(GLINT::SDL::RGBSurface(std::string(Icon_File)));
        Log_Entry("Set Windows Icon : OK ");

        window.UpdateLoadingScreen(1, "Initializing Audio");
        Require(media.InitAudio(44100, 1, 2048), "Audio Init Failed: ");
        Log_Entry("Audio Init : OK ");

        window.UpdateLoadingScreen(2, "Initializing Sounds");
        Init_Sounds_And_Musics();
        Log_Entry("SFXs Sounds & Musics Creation : OK ");
    });
}

void ImplementEverything() {
    Chain_Errors("", "Unhandled Exception Occured In ImplementEverything()", [] {
        GLINT::SDL::Window& window = Game_Window();

        window.UpdateLoadingScreen(5, "Implemeting Interface");
        Interface = new GUI();

        window.UpdateLoadingScreen(10, "Implemeting Battlefield");
        Battlefield = new BattleField();

        window.UpdateLoadingScreen(20, "Implemeting Actionables Manager");
        Actionables = new Actionables_Manager();

        window.UpdateLoadingScreen(25, "Creating Vectors");
        Factories = new std::vector<Character_Factory_Base*>();
        Characters = new std::vector<Character_Base*>();

        window.UpdateLoadingScreen(30, "Creating Player");
        Game_Player = new Player(*Battlefield);
        Game_Player->Set_Following_Camera();
        Game_Player->Infos().Actionables = Actionables;
        Log_Entry("Player Creation: OK ");
        Characters->push_back(Game_Player);

        Add_Factory<NPC_Factory<NPC_Merchant>>(window, 40, "Creating NPC Merchant Factory");
        Add_Factory<NPC_Factory<NPC_OHS_Guard>>(window, 45, "Creating NPC OHS Guard Factory");
        Add_Factory<Monster_Factory<Monster_Skeleton>>(window, 50, "Creating Monster Skeleton Factory");
        Add_Factory<Monster_Factory<Monster_Worm>>(window, 55, "Creating Monster Worm Factory");
        Log_Entry("Factories Creation: OK ");

        window.UpdateLoadingScreen(60, "Creating Characters");
        for (Character_Factory_Base* factory : *Factories)
            factory->Create_Characters(*Battlefield, *Characters, Actionables);
        Log_Entry("NPCs + Monsters Creation: OK ");

        window.UpdateLoadingScreen(75, "Creating Daemons");
        Game_Daemons = new Daemons(Battlefield, Factories, Characters, Actionables);

        window.UpdateLoadingScreen(80, "Creating User keyboard input");
        Game_Keyboard = new KeyboardInput(Game_Player, Interface);
        window.getEventDispatcher().setKeyboard(Game_Keyboard);

        window.UpdateLoadingScreen(85, "Creating User mouse input");
        Game_Mouse = new MouseInput(Game_Player, Interface);
        window.getEventDispatcher().setMouse(Game_Mouse);

        window.UpdateLoadingScreen(87, "Creating User gamepad input");
        MediaContext::instance().setJoystickHandler(new GamepadInput(Game_Player, Interface, Game_Keyboard));

        window.UpdateLoadingScreen(90, "Creating Render Engine");
        Engine_Of_The_Game = new Render_Engine(Battlefield);
        Engine_Of_The_Game->Set_Player(Game_Player);
        Engine_Of_The_Game->Set_GUI(Interface);
        Engine_Of_The_Game->Set_Factories(Factories);
        Engine_Of_The_Game->Set_Actionables(Actionables);
        window.setEngine(Engine_Of_The_Game);
    });
}

void RunGame() {
    Chain_Errors("", "Unhandled Exception Occured In RunGame()", [] {
        GLINT::SDL::Window& window = Game_Window();
        window.UpdateLoadingScreen(100, "Enjoy");
        window.HideLoadingScreen();
        Play_Music();
        Daemons::Start_Game_Time();
        Interface->Start_Key_Hint();
        // Both intervals were checked at start to fit the timer.
        Generation_Timer = new GLINT::SDL::NewTimer<Daemons>(
            Game_Daemons, &Daemons::Generate_Monsters, static_cast<unsigned>(Game_Settings::MONSTERS_GENERATION_INTERVAL));
        Erosion_Timer = new GLINT::SDL::NewTimer<Actionables_Manager>(
            Actionables, &Actionables_Manager::Check_Drops_Erosion, static_cast<unsigned>(Game_Settings::CHECK_DROPS_EROSION));
        Victory_Timer = new GLINT::SDL::NewTimer<Daemons>(Game_Daemons, &Daemons::Check_Victory, 1000);
        window.mainLoop(static_cast<unsigned>(Game_Settings::FRAMES_PER_SECOND), 25);
    });
}

bool CleanUp() {
    try {
        // Timer callbacks see the shutdown and return without touching anything;
        // the ones already running finish before the lock is ours.
        GLINT::SDL::WorldLock::beginShutdown();
        // 1 and 2. The timers: stopping waits for a callback in progress.
        delete Generation_Timer;
        Generation_Timer = nullptr;
        delete Victory_Timer;
        Victory_Timer = nullptr;
        delete Erosion_Timer;
        Erosion_Timer = nullptr;
        GLINT::SDL::ScopedLock world(GLINT::SDL::WorldLock::mutex());

        // 3. Each factory, with its characters, then the list.
        if (Factories) {
            for (Character_Factory_Base* factory : *Factories)
                delete factory;
            delete Factories;
            Factories = nullptr;
        }
        // 4. The player.
        delete Game_Player;
        Game_Player = nullptr;
        // 5. The characters list; its characters belong to the factories and the player.
        delete Characters;
        Characters = nullptr;

        // 6. The battlefield.
        delete Battlefield;
        Battlefield = nullptr;
        // 7 and 8. The input handlers; nothing is routed to them any more.
        if (GLINT::SDL::Window* window = MediaContext::instance().getWindow()) {
            window->getEventDispatcher().setKeyboard(nullptr);
            window->getEventDispatcher().setMouse(nullptr);
        }
        MediaContext::instance().setJoystickHandler(nullptr);
        delete Game_Keyboard;
        Game_Keyboard = nullptr;
        delete Game_Mouse;
        Game_Mouse = nullptr;
        // 9. The render engine: the window keeps its pointer but never calls it again.
        delete Engine_Of_The_Game;
        Engine_Of_The_Game = nullptr;
        // 10. The daemons.
        delete Game_Daemons;
        Game_Daemons = nullptr;
        // 11. The XML library. Nothing reads a data file from here on: the timers that
        // made monsters are gone, the interface and the bags are deleted without reading
        // any, and what the file cache keeps are copies.
        xmlCleanupParser();
        xmlMemoryDump();
        // 12. The interface.
        delete Interface;
        Interface = nullptr;
        // 13. The actionables manager.
        delete Actionables;
        Actionables = nullptr;

        // The sounds go before the mixer, which outlives main.
        Release_Sounds_And_Musics();
        return true;
    } catch (...) {
        return false;
    }
}

void Show_Start_Failure() {
    GLINT::SDL::Window* window = MediaContext::instance().getWindow();
    if (!window || !window->isLoadingScreenShown() || !window->getLoadingScreen())
        return;
    const std::string log = Game_Settings::Log_Name.empty() ? "the log" : Game_Settings::Log_Name;
    window->UpdateLoadingScreen(window->getLoadingScreen()->getProgress(),
                                "Varnholt could not start: the reason is in " + log);
}

Game_World Get_Game_World() {
    Game_World world;
    world.Battlefield = Battlefield;
    world.Hero = Game_Player;
    world.Interface = Interface;
    world.Factories = Factories;
    world.Actionables = Actionables;
    world.Engine = Engine_Of_The_Game;
    return world;
}

namespace {

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

int Run_Game_Phases(const std::function<void()>& beforeRun) {
    try {
        Game_Random::Seed_From_Environment();

        InitEverything();
        Log_Entry("-> Initialization Successful <-");

        Log_Entry("-> Starting Implementation <-");
        ImplementEverything();
        Log_Entry("-> Implementation Successful <-");
        if (beforeRun)
            beforeRun();

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
