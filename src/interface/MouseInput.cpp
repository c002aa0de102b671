#include "interface/MouseInput.hpp"

#include "characters/Player.hpp"
#include "interface/GUI.hpp"
#include "interface/Player_Commands.hpp"
#include "lumen/lumeninput.hpp"
#include "media/ButtonNames.hpp"
#include "media/Logger.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::GameLog;

MouseInput::MouseInput(Player* player, GUI* gui) : The_Player(player), Interface(gui) {
    GameLog.safeEntry("MouseInput CONSTRUCTED Successfully ");
}

MouseInput::~MouseInput() { GameLog.safeEntry("MouseInput DESTRUCTED Successfully "); }

bool MouseInput::handleMouseMotionEvent(bool, int x, int y, int, int) {
    return Chain_Errors("Exception In MouseInput::handleMouseMotionEvent: ",
                        "Unhandled Exception In MouseInput::handleMouseMotionEvent()", [&] {
                            const int state = Game_Settings::GLOBAL_GAME_STATE;
                            const bool shown = state == 3 || state == 4 || state == 5 || state == 7 || state == 8;
                            if (shown && Interface)
                                Interface->Get_Input().pushMouseMotionInput(x, y);
                            return true;
                        });
}

bool MouseInput::handleMouseButtonEvent(int button, int x, int y, bool pressed) {
    return Chain_Errors(
        "Exception In MouseInput::handleMouseButtonEvent: ",
        "Unhandled Exception In MouseInput::handleMouseButtonEvent()", [&] {
            const int state = Game_Settings::GLOBAL_GAME_STATE;
            if (state < 3 || state > 8)
                return true;
            // A run button let go anywhere ends the run, as a run key does.
            if (!pressed && The_Player &&
                Player_Commands::Is_Bound(Player_Commands::Run, button, Player_Commands::Button_Type))
                Player_Commands::Running_Off(*The_Player);

            if (state == 6) {
                const std::string& name = GLINT::SDL::ButtonNames::name(button);
                if (!pressed && !name.empty() && Interface)
                    Interface->Show_Pushed_Key_Menu(name);
                return true;
            }
            if (state == 3 && pressed && The_Player && The_Player->Can_Act()) {
                Player_Commands::Command command;
                if (Player_Commands::Find_Player_Command(button, Player_Commands::Button_Type, command))
                    Player_Commands::Carry_Out(command, *The_Player, Interface);
            }
            if (Interface)
                Interface->Get_Input().pushMouseButtonInput(button, x, y, pressed);
            return true;
        });
}
