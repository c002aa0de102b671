#include "shell/Lifecycle.hpp"

#include <stdexcept>
#include <string>

#include <SDL/SDL.h>

#include "battlefield/BattleField.hpp"
#include "interface/Render_Engine.hpp"
#include "interface/Sounds_And_Musics.hpp"
#include "media/Font.hpp"
#include "media/Logger.hpp"
#include "media/MediaContext.hpp"
#include "media/RGBSurface.hpp"
#include "media/ScopedLock.hpp"
#include "media/Window.hpp"
#include "media/WorldLock.hpp"
#include "shell/Config.hpp"
#include "shell/Error_Chain.hpp"
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
Render_Engine* Engine_Of_The_Game = nullptr;

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

        window.UpdateLoadingScreen(10, "Implemeting Battlefield");
        Battlefield = new BattleField();

        window.UpdateLoadingScreen(90, "Creating Render Engine");
        Engine_Of_The_Game = new Render_Engine(Battlefield);
        window.setEngine(Engine_Of_The_Game);
    });
}

void RunGame() {
    Chain_Errors("", "Unhandled Exception Occured In RunGame()", [] {
        GLINT::SDL::Window& window = Game_Window();
        window.UpdateLoadingScreen(100, "Enjoy");
        window.HideLoadingScreen();
        Play_Music();
        window.mainLoop(static_cast<unsigned>(Game_Settings::FRAMES_PER_SECOND), 25);
    });
}

bool CleanUp() {
    try {
        // Timer callbacks see the shutdown and return without touching anything;
        // the ones already running finish before the lock is ours.
        GLINT::SDL::WorldLock::beginShutdown();
        GLINT::SDL::ScopedLock world(GLINT::SDL::WorldLock::mutex());

        // 6. The battlefield.
        delete Battlefield;
        Battlefield = nullptr;
        // 9. The render engine: the window keeps its pointer but never calls it again.
        delete Engine_Of_The_Game;
        Engine_Of_The_Game = nullptr;

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
