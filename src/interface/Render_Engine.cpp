#include "interface/Render_Engine.hpp"

#include <algorithm>
#include <stdexcept>

#include "ai/Character_Factory_Base.hpp"
#include "battlefield/BattleField.hpp"
#include "items/Actionables_Manager.hpp"
#include "characters/Monster_Base.hpp"
#include "characters/Player.hpp"
#include "interface/GUI.hpp"
#include "media/Logger.hpp"
#include "media/ScopedLock.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::GameLog;

namespace {

// Everyone the scenery hides shows as an outline over it: the hero in yellow,
// monsters in rose, the others in cyan.
void Outline_Hidden(const BattleField& battlefield, const GLINT::SDL::Rect& camera, GLINT::SDL::VideoSurface& screen,
                    const Character_Base& character, const GLINT::SDL::RGBColor& ink) {
    const CH_Base_All_Infos& infos = character.Infos();
    if (infos.Life_State != -2 && infos.Current_Sheet)
        battlefield.Outline_Covered(camera, screen, *infos.Current_Sheet, infos.Source_Rect, infos.X, infos.Y, ink);
}

void Outline_Hidden_Characters(const BattleField& battlefield, const GLINT::SDL::Rect& camera,
                               GLINT::SDL::VideoSurface& screen, const Player* player,
                               const std::vector<Character_Factory_Base*>* factories) {
    static const GLINT::SDL::RGBColor Hero(0xfb, 0xf2, 0x36), Monster(0xd9, 0x57, 0x63), Other(0x5f, 0xcd, 0xe4);
    if (player && Game_Settings::GLOBAL_GAME_STATE < 7)
        Outline_Hidden(battlefield, camera, screen, *player, Hero);
    if (factories)
        for (Character_Factory_Base* factory : *factories) {
            GLINT::SDL::ScopedLock hold(factory->Get_Mutex());
            for (const Character_Base* character : factory->Get_Characters())
                Outline_Hidden(battlefield, camera, screen, *character,
                               dynamic_cast<const Monster_Base*>(character) ? Monster : Other);
        }
}

} // namespace

Render_Engine::Render_Engine(BattleField* battlefield) : Battlefield(battlefield) {
    Chain_Errors("From Render_Engine Constructor, ", "Unhandled Error In Render_Engine Constructor", [&] {
        if (!Battlefield)
            throw std::logic_error("No BattleField To Render");
        Camera.setw(static_cast<Uint16>(std::max(0, Game_Settings::Current_Screen_Width)));
        Camera.seth(static_cast<Uint16>(std::max(0, Game_Settings::Current_Screen_Height)));
        // Until it is given a focus, the camera shows the field's top-left corner.
        Set_Camera_Focus(0, 0);
    });
    GameLog.safeEntry("Engine CONSTRUCTED Successfully ");
}

Render_Engine::~Render_Engine() {
    GameLog.safeEntry("Engine DESTRUCTED Successfully ");
}

void Render_Engine::Set_Camera_Focus(int x, int y) {
    Focus_X = x;
    Focus_Y = y;
    Set_Following_Camera();
}

const GLINT::SDL::Rect& Render_Engine::Get_Camera() const {
    return The_Player ? The_Player->Get_Camera() : Camera;
}

void Render_Engine::Set_Following_Camera() {
    // The lower bound first: a field smaller than the screen gives a negative camera.
    const int x = std::min(std::max(Focus_X - Game_Settings::Current_Screen_Width / 2, 0), BF_Width - Camera.getw());
    const int y = std::min(std::max(Focus_Y - Game_Settings::Current_Screen_Height / 2, 0), BF_Height - Camera.geth());
    Camera.setx(static_cast<Sint16>(x));
    Camera.sety(static_cast<Sint16>(y));
}

void Render_Engine::prerender(unsigned long) {
    Log_Errors(GameLog, " Render_Engine::prerender(), ", "Unhandled Error In Render_Engine::prerender()", [&] {
        // A dead player (state 7) and the credits (8) leave the hero as he fell.
        if (The_Player && Game_Settings::GLOBAL_GAME_STATE < 7) {
            The_Player->Infos().CH_Characteristics->Calculate_Real_Endurance();
            The_Player->Behavior(*Battlefield);
        }
        if (Interface)
            Interface->Logic();
    });
}

void Render_Engine::render(GLINT::SDL::VideoSurface& screen) {
    Chain_Errors("From Render_Engine::render(), ", "Unhandled Error In Render_Engine::render()", [&] {
        const GLINT::SDL::Rect& camera = Get_Camera();
        // The default ground, then the ground layer; not where the map goes when it is shown.
        const bool map = Map.Render_Ground(*Battlefield, camera, screen);
        // Chests and bags, the hero and everyone else, between the layers.
        if (Actionables)
            Actionables->Show_Actionables(camera, screen);
        if (The_Player && Game_Settings::GLOBAL_GAME_STATE < 7)
            The_Player->Show(camera, screen);
        if (Factories)
            for (Character_Factory_Base* factory : *Factories) {
                GLINT::SDL::ScopedLock hold(factory->Get_Mutex());
                factory->Show(camera, screen);
            }
        Battlefield->Render_Env(camera, screen);
        Outline_Hidden_Characters(*Battlefield, camera, screen, The_Player, Factories);
        // The map over the field, under the interface's texts and windows.
        if (map)
            Map.Draw(camera, The_Player, Factories, Actionables, screen);
        // The interface and the player's bars, over everything.
        if (Interface) {
            if (The_Player) {
                // The life bar, the gap and the endurance bar, one bar's height each (none without their sheet).
                const GLINT::SDL::Rect& bar = The_Player->Get_Bar(0);
                Interface->Set_Bars_Area(gcn::Rectangle(0, 0, bar.getw(), 3 * bar.geth()));
            }
            Interface->Draw(screen);
        }
        if (The_Player)
            The_Player->Show_Characteristics_Bars(screen);
    });
}

void Render_Engine::postrender() {
    Log_Errors(GameLog, " From Render_Engine::postrender(), ", "Unhandled Error In Render_Engine::postrender()",
               [&] {
                   // Victory, death and the credits freeze the world.
                   const int state = Game_Settings::GLOBAL_GAME_STATE;
                   if (!Factories || state == 5 || state == 7 || state == 8)
                       return;
                   for (Character_Factory_Base* factory : *Factories) {
                       GLINT::SDL::ScopedLock hold(factory->Get_Mutex());
                       factory->Characters_Behavior(*Battlefield);
                   }
               });
}

bool Render_Engine::coversDisplay(const GLINT::SDL::VideoSurface& screen) const {
    // The camera moves in prerender but stays inside the field, where the cache covers it.
    return Battlefield->Ground_Covers(Get_Camera(), screen);
}

bool Render_Engine::init(int, int) { return true; }

bool Render_Engine::resize(int width, int height) {
    return Chain_Errors("Exception In Render_Engine::resize(): ", "Unhandled Exception In Render_Engine::resize()", [&] {
        Game_Settings::Current_Screen_Width = width;
        Game_Settings::Current_Screen_Height = height;
        Camera.setw(static_cast<Uint16>(std::max(0, width)));
        Camera.seth(static_cast<Uint16>(std::max(0, height)));
        Set_Following_Camera();
        if (The_Player) {
            The_Player->Set_Camera_Size(width, height);
            The_Player->Set_Following_Camera();
        }
        if (Interface)
            Interface->UpdateTopContainerDimensions();
        GameLog.safeEntry("Resize : OK ");
        return true;
    });
}
