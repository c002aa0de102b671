#include "interface/KeyboardInput.hpp"


#include <SDL/SDL.h>

#include "characters/Character_Animations_Center.hpp"
#include "characters/Player.hpp"
#include "interface/GUI.hpp"
#include "interface/Screenshot.hpp"
#include "interface/World_Map.hpp"
#include "lumen/lumeninput.hpp"
#include "media/KeyNames.hpp"
#include "media/Logger.hpp"
#include "media/MediaContext.hpp"
#include "media/ModifierNames.hpp"
#include "media/Window.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::GameLog;
using GLINT::SDL::Key;
using GLINT::SDL::ModifierNames;
using Command = Player_Commands::Command;

namespace {

bool Is_Validation(int code) {
    return code == KeyboardInput::Key_Return || code == KeyboardInput::Key_Escape ||
           code == KeyboardInput::Key_KP_Enter;
}

bool Bound_To_An_Action(int code) {
    for (int command = 0; command < Player_Commands::Count; ++command)
        if (Player_Commands::Is_Bound(static_cast<Command>(command), code, Player_Commands::Key_Type))
            return true;
    return false;
}

} // namespace

KeyboardInput::KeyboardInput(Player* player, GUI* gui) : The_Player(player), Interface(gui) {
    GameLog.safeEntry("KeyboardInput CONSTRUCTED Successfully ");
}

KeyboardInput::~KeyboardInput() { GameLog.safeEntry("KeyboardInput DESTRUCTED Successfully "); }

bool KeyboardInput::handleKeyEvent(const Key& key, bool pressed) {
    return Chain_Errors("Exception In KeyboardInput::handleKeyEvent: ",
                        "Unhandled Exception In KeyboardInput::handleKeyEvent()", [&] {
                            const int code = key.getKey();
                            int state = Game_Settings::GLOBAL_GAME_STATE;
                            // A slow frame may hold a Return still queued for the menu: it goes
                            // first, or a fast Return, Up, Return would move the focus before the press.
                            if (pressed && (state == 4 || state == 5) && Interface) {
                                Interface->Take_Queued_Input();
                                state = Game_Settings::GLOBAL_GAME_STATE;
                            }
                            // Not while a key is being bound: F12 may be the one.
                            if (pressed && code == Key_F12 && state >= 3 && state <= 8 && state != 6)
                                Screenshot::Take();
                            switch (state) {
                            case 3:
                                return Playing(key, pressed);
                            case 4:
                                Halt();
                                if (pressed && Interface) {
                                    if (code == Key_Escape)
                                        Interface->Menu_Back_To_Previous_Level();
                                    else if (code == Key_Up || code == Key_Left)
                                        Interface->Menu_FocusPrev();
                                    else if (code == Key_Down || code == Key_Right)
                                        Interface->Menu_FocusNext();
                                }
                                break;
                            case 5:
                                Halt();
                                if (pressed && Is_Validation(code) && Interface)
                                    Interface->Menu_FocusNext();
                                break;
                            case 6:
                                // The key being bound is for the options screen alone.
                                Capturing(key, pressed);
                                return true;
                            case 7:
                                Halt();
                                if (pressed && Is_Validation(code))
                                    Game_Settings::GLOBAL_GAME_STATE = 8;
                                break;
                            case 8:
                                if (pressed && Is_Validation(code))
                                    GLINT::SDL::MediaContext::instance().requestQuit();
                                break;
                            default:
                                return true;
                            }
                            Pass_On(key, pressed);
                            return true;
                        });
}

bool KeyboardInput::Playing(const Key& key, bool pressed) {
    const int code = key.getKey();
    const std::string type = Player_Commands::Key_Type;

    if (!pressed) {
        Command direction;
        if (Held.count(code) || Find_Movement(code, direction)) {
            // A release counts even while the hero cannot act: it must not
            // walk on once the blow is over.
            Held.erase(code);
            if (The_Player) {
                Update_Movement_Vector();
                if (The_Player->Can_Act()) {
                    const Characteristics& stats = *The_Player->Infos().CH_Characteristics;
                    if (stats.Vector_X == 0.0f && stats.Vector_Y == 0.0f)
                        The_Player->Infos().Animation_Center->Stop_Animation_Play();
                    else
                        The_Player->Infos().Direction = The_Player->Find_Direction_From_Velocities();
                }
            }
        } else if (Player_Commands::Is_Bound(Player_Commands::Run, code, type) && The_Player) {
            Player_Commands::Running_Off(*The_Player);
        }
        Pass_On(key, pressed);
        return true;
    }

    if (The_Player && The_Player->Can_Act()) {
        Command command;
        if (Find_Movement(code, command)) {
            Held[code] = command;
            Update_Movement_Vector();
        } else if (Player_Commands::Find_Player_Command(code, type, command)) {
            Player_Commands::Carry_Out(command, *The_Player, Interface);
        }
    }

    if (Player_Commands::Is_Bound(Player_Commands::Window_Mode, code, type)) {
        if (!Toggle_Window_Mode())
            return false;
    } else if (Player_Commands::Is_Bound(Player_Commands::Menu_Call, code, type)) {
        if (Interface)
            Interface->Show_Escape_Menu();
        // The menu is open: the keys held now belong to it.
        if (Game_Settings::GLOBAL_GAME_STATE != 3)
            Halt();
    } else if (code == Key_F4 && key.isModHeld(ModifierNames::Alt)) {
        GLINT::SDL::MediaContext::instance().requestQuit();
    } else if (code == Key_Tab && !Bound_To_An_Action(code)) {
        // A toggle rather than a key to hold: the hand stays free for the movement keys.
        World_Map::Toggle();
    }
    Pass_On(key, pressed);
    return true;
}

void KeyboardInput::Capturing(const Key& key, bool pressed) {
    const int code = key.getKey();
    if (pressed) {
        if (code == Key_C && key.isModHeld(ModifierNames::Ctrl) && Interface)
            Interface->Close_Pushed_Key_Menu_Forced();
        return;
    }
    if (Is_Movement_Or_Run(code) || Held.count(code))
        Halt();
    // A key without a name could be neither shown nor written to Config.ini.
    const std::string label = Capture_Label(code);
    if (!label.empty() && Interface)
        Interface->Show_Pushed_Key_Menu(label);
}

std::string KeyboardInput::Capture_Label(int key) {
    const std::string& name = GLINT::SDL::KeyNames::name(key);
    return !name.empty() && name[0] == 'K' ? name.substr(1) : name;
}

bool KeyboardInput::Find_Movement(int code, Command& found) const {
    for (Command command : {Player_Commands::Right, Player_Commands::Down, Player_Commands::Left, Player_Commands::Up})
        if (Player_Commands::Is_Bound(command, code, Player_Commands::Key_Type)) {
            found = command;
            return true;
        }
    return false;
}

bool KeyboardInput::Is_Movement_Or_Run(int code) const {
    Command command;
    return Find_Movement(code, command) || Player_Commands::Is_Bound(Player_Commands::Run, code, Player_Commands::Key_Type);
}

void KeyboardInput::Update_Movement_Vector() {
    bool right = false, left = false, down = false, up = false;
    for (const auto& held : Held) {
        right = right || held.second == Player_Commands::Right;
        left = left || held.second == Player_Commands::Left;
        down = down || held.second == Player_Commands::Down;
        up = up || held.second == Player_Commands::Up;
    }
    Player_Commands::Steer(*The_Player, int(right) - int(left), int(down) - int(up));
}

void KeyboardInput::Halt() {
    Held.clear();
    if (!The_Player)
        return;
    Characteristics& stats = *The_Player->Infos().CH_Characteristics;
    stats.Vector_X = 0.0f;
    stats.Vector_Y = 0.0f;
    stats.Running = false;
    // Stopping a blow or a fall half-way would show their frames on the standing sheet.
    if (The_Player->Can_Act() && The_Player->Infos().Animation_Center)
        The_Player->Infos().Animation_Center->Stop_Animation_Play();
}

bool KeyboardInput::Toggle_Window_Mode() {
    GLINT::SDL::Window* window = GLINT::SDL::MediaContext::instance().getWindow();
    if (!window || !window->getDisplay())
        return true;
    if (!window->resize(Game_Settings::SCREEN_WIDTH, Game_Settings::SCREEN_HEIGHT)) {
        GameLog.safeEntry(std::string("Create Surface Failed : ") + SDL_GetError());
        return false;
    }
    window->setFullscreen(!window->isFullscreen());
    return true;
}

void KeyboardInput::Pass_On(const Key& key, bool pressed) {
    if (Interface)
        Interface->Get_Input().pushKeyInput(key, pressed);
}
