#pragma once

#include "interface/Player_Commands.hpp"
#include "media/JoystickHandler.hpp"

class GUI;
class Player;

namespace GLINT {
namespace SDL {
class Keyboard;
}
} // namespace GLINT

// The game's gamepad. While playing, the left stick and the d-pad steer the
// hero in eight directions and the buttons carry out the player's commands.
// Everywhere else (menus, victory, death picture, credits) the pad stands in
// for the arrow keys, Return and Escape, which it hands to the game's
// keyboard: the menus keep one set of rules whichever device drives them.
//
// The layout is fixed, numbered as Linux reports an Xbox-style pad: the left
// stick is axes 0 and 1, the d-pad hat 0 (or axes 6 and 7 on drivers that
// report it as axes).
class GamepadInput : public GLINT::SDL::JoystickHandler {
public:
    enum Button {
        Button_A = 0,      // attack; Return in the menus
        Button_B = 1,      // open a chest, pick up a bag; Escape in the menus
        Button_X = 2,      // drink a potion
        Button_Y = 3,      // hide the weapon
        Button_LB = 4,     // draw the sword
        Button_RB = 5,     // draw the bow
        Button_Back = 6,   // inventory
        Button_Start = 7,  // menu; Escape in the menus
        Button_L_Stick = 9,  // run while held
        Button_R_Stick = 10, // characteristics
    };
    enum Axis { Stick_X = 0, Stick_Y = 1, Pad_X = 6, Pad_Y = 7 };
    // Stick travel (of 32767) that counts: a worn stick rests off centre.
    static constexpr int Dead_Zone = 8000;

    // None is owned; any may be null (then what needs it is skipped). The
    // keyboard receives the keys the pad stands in for outside play.
    GamepadInput(Player* player, GUI* gui, GLINT::SDL::Keyboard* keyboard);
    ~GamepadInput() override;

    bool handleAxisEvent(const SDL_JoyAxisEvent& event) override;
    bool handleHatEvent(const SDL_JoyHatEvent& event) override;
    bool handleButtonEvent(const SDL_JoyButtonEvent& event, bool pressed) override;

    // One of eight directions for a stick position (-1, 0 or 1 per axis, y
    // down), or none inside the dead zone. Each direction covers 45 degrees.
    static void Stick_Direction(int x, int y, int& dx, int& dy);
    // The command a button carries out while playing; false for none.
    static bool Button_Command(int button, Player_Commands::Command& command);

    // Where the pad points now (the d-pad before the stick).
    int Pointed_X() const;
    int Pointed_Y() const;

private:
    void Direction_Changed();
    // Sets the hero's movement from where the pad points.
    void Steer();
    // Stops the movement the pad gave; the keyboard's own is left alone.
    void Halt();
    void Playing_Button(int button, bool pressed);
    void Menu_Button(int button, bool pressed);
    void Send_Key(int key, bool pressed);

    Player* The_Player;
    GUI* Interface;
    GLINT::SDL::Keyboard* Keyboard;
    int Stick_Pos_X = 0, Stick_Pos_Y = 0;
    int Hat_X = 0, Hat_Y = 0;
    int Pad_Axis_X = 0, Pad_Axis_Y = 0;
    // The movement the pad last gave the hero.
    int Steered_X = 0, Steered_Y = 0;
    // The arrow key the pad last stood in for outside play (0 for none).
    int Menu_Arrow = 0;
};
