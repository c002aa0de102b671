#include "interface/GamepadInput.hpp"

#include <cmath>
#include <cstdlib>

#include "characters/Character_Animations_Center.hpp"
#include "characters/Player.hpp"
#include "interface/GUI.hpp"
#include "interface/KeyboardInput.hpp"
#include "media/Keyboard.hpp"
#include "media/Logger.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::GameLog;
using Command = Player_Commands::Command;

namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

// An axis reporting a d-pad swings all the way; half way is a press.
int Pad_Axis_Direction(int value) { return std::abs(value) >= 16384 ? Sign(value) : 0; }

} // namespace

GamepadInput::GamepadInput(Player* player, GUI* gui, GLINT::SDL::Keyboard* keyboard)
    : The_Player(player), Interface(gui), Keyboard(keyboard) {
    GameLog.safeEntry("GamepadInput CONSTRUCTED Successfully ");
}

GamepadInput::~GamepadInput() { GameLog.safeEntry("GamepadInput DESTRUCTED Successfully "); }

void GamepadInput::Stick_Direction(int x, int y, int& dx, int& dy) {
    dx = dy = 0;
    const double fx = x, fy = y;
    if (fx * fx + fy * fy < double(Dead_Zone) * Dead_Zone)
        return;
    // An axis counts when the stick leans more than 22.5 degrees its way:
    // eight sectors of 45 degrees, the diagonals as wide as the rest.
    const double tan_22_5 = std::sqrt(2.0) - 1.0;
    if (std::fabs(fx) > tan_22_5 * std::fabs(fy))
        dx = Sign(x);
    if (std::fabs(fy) > tan_22_5 * std::fabs(fx))
        dy = Sign(y);
}

bool GamepadInput::Button_Command(int button, Command& command) {
    switch (button) {
    case Button_A: command = Player_Commands::Attack; return true;
    case Button_B: command = Player_Commands::Action; return true;
    case Button_X: command = Player_Commands::Heal; return true;
    case Button_Y: command = Player_Commands::Hide_Weapon; return true;
    case Button_LB: command = Player_Commands::Draw_Melee_W; return true;
    case Button_RB: command = Player_Commands::Draw_Distant_W; return true;
    case Button_Back: command = Player_Commands::Inventory; return true;
    case Button_Start: command = Player_Commands::Menu_Call; return true;
    case Button_L_Stick: command = Player_Commands::Run; return true;
    case Button_R_Stick: command = Player_Commands::Characteristics; return true;
    default: return false;
    }
}

int GamepadInput::Pointed_X() const {
    if (Hat_X || Hat_Y)
        return Hat_X;
    if (Pad_Axis_X || Pad_Axis_Y)
        return Pad_Axis_X;
    int dx, dy;
    Stick_Direction(Stick_Pos_X, Stick_Pos_Y, dx, dy);
    return dx;
}

int GamepadInput::Pointed_Y() const {
    if (Hat_X || Hat_Y)
        return Hat_Y;
    if (Pad_Axis_X || Pad_Axis_Y)
        return Pad_Axis_Y;
    int dx, dy;
    Stick_Direction(Stick_Pos_X, Stick_Pos_Y, dx, dy);
    return dy;
}

bool GamepadInput::handleAxisEvent(const SDL_JoyAxisEvent& event) {
    return Chain_Errors("Exception In GamepadInput::handleAxisEvent: ",
                        "Unhandled Exception In GamepadInput::handleAxisEvent()", [&] {
                            switch (event.axis) {
                            case Stick_X: Stick_Pos_X = event.value; break;
                            case Stick_Y: Stick_Pos_Y = event.value; break;
                            case Pad_X: Pad_Axis_X = Pad_Axis_Direction(event.value); break;
                            case Pad_Y: Pad_Axis_Y = Pad_Axis_Direction(event.value); break;
                            default: return false;
                            }
                            Direction_Changed();
                            return true;
                        });
}

bool GamepadInput::handleHatEvent(const SDL_JoyHatEvent& event) {
    return Chain_Errors("Exception In GamepadInput::handleHatEvent: ",
                        "Unhandled Exception In GamepadInput::handleHatEvent()", [&] {
                            if (event.hat != 0)
                                return false;
                            Hat_X = ((event.value & SDL_HAT_RIGHT) ? 1 : 0) - ((event.value & SDL_HAT_LEFT) ? 1 : 0);
                            Hat_Y = ((event.value & SDL_HAT_DOWN) ? 1 : 0) - ((event.value & SDL_HAT_UP) ? 1 : 0);
                            Direction_Changed();
                            return true;
                        });
}

bool GamepadInput::handleButtonEvent(const SDL_JoyButtonEvent& event, bool pressed) {
    return Chain_Errors("Exception In GamepadInput::handleButtonEvent: ",
                        "Unhandled Exception In GamepadInput::handleButtonEvent()", [&] {
                            const int state = Game_Settings::GLOBAL_GAME_STATE;
                            // A run let go anywhere ends the run, as with the keys.
                            if (!pressed && event.button == Button_L_Stick && The_Player)
                                Player_Commands::Running_Off(*The_Player);
                            if (state == 3)
                                Playing_Button(event.button, pressed);
                            else if (state == 4 || state == 5 || state == 7 || state == 8)
                                Menu_Button(event.button, pressed);
                            return true;
                        });
}

void GamepadInput::Direction_Changed() {
    const int dx = Pointed_X(), dy = Pointed_Y();
    // The arrow the pad points with; vertical first, as menus are columns.
    const int arrow = dy < 0   ? KeyboardInput::Key_Up
                      : dy > 0 ? KeyboardInput::Key_Down
                      : dx < 0 ? KeyboardInput::Key_Left
                      : dx > 0 ? KeyboardInput::Key_Right
                               : 0;
    const bool new_arrow = arrow != Menu_Arrow;
    Menu_Arrow = arrow;

    const int state = Game_Settings::GLOBAL_GAME_STATE;
    if (state == 3) {
        Steer();
    } else if ((state == 4 || state == 5 || state == 7 || state == 8) && new_arrow && arrow) {
        // One step per push, however long the stick is held.
        Send_Key(arrow, true);
        Send_Key(arrow, false);
    }
}

void GamepadInput::Steer() {
    if (!The_Player)
        return;
    const int dx = Pointed_X(), dy = Pointed_Y();
    if (dx == Steered_X && dy == Steered_Y)
        return;
    CH_Base_All_Infos& infos = The_Player->Infos();
    Characteristics& stats = *infos.CH_Characteristics;
    if (dx == 0 && dy == 0) {
        // Letting go counts even mid-blow: the hero must not walk on after it.
        Steered_X = Steered_Y = 0;
        stats.Vector_X = stats.Vector_Y = 0.0f;
        if (The_Player->Can_Act() && infos.Animation_Center)
            infos.Animation_Center->Stop_Animation_Play();
        return;
    }
    // A new direction waits, as a key pressed mid-blow does.
    if (!The_Player->Can_Act())
        return;
    Steered_X = dx;
    Steered_Y = dy;
    Player_Commands::Steer(*The_Player, dx, dy);
}

void GamepadInput::Halt() {
    Steered_X = Steered_Y = 0;
    if (!The_Player)
        return;
    Characteristics& stats = *The_Player->Infos().CH_Characteristics;
    stats.Vector_X = stats.Vector_Y = 0.0f;
    stats.Running = false;
    if (The_Player->Can_Act() && The_Player->Infos().Animation_Center)
        The_Player->Infos().Animation_Center->Stop_Animation_Play();
}

void GamepadInput::Playing_Button(int button, bool pressed) {
    Command command;
    if (!pressed || !Button_Command(button, command))
        return;
    if (command == Player_Commands::Menu_Call) {
        if (Interface)
            Interface->Show_Escape_Menu();
        // The menu is open: the pad belongs to it now.
        if (Game_Settings::GLOBAL_GAME_STATE != 3)
            Halt();
        return;
    }
    if (The_Player && The_Player->Can_Act())
        Player_Commands::Carry_Out(command, *The_Player, Interface);
}

void GamepadInput::Menu_Button(int button, bool pressed) {
    if (button == Button_A)
        Send_Key(KeyboardInput::Key_Return, pressed);
    else if (button == Button_B || button == Button_Start)
        Send_Key(KeyboardInput::Key_Escape, pressed);
}

void GamepadInput::Send_Key(int key, bool pressed) {
    if (Keyboard)
        Keyboard->handleKeyEvent(GLINT::SDL::Key(key, 0, 0), pressed);
}
