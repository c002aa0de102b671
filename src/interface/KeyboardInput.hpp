#pragma once

#include <map>
#include <string>

#include "interface/Player_Commands.hpp"
#include "media/Key.hpp"
#include "media/TextInput.hpp"

class GUI;
class Player;

// The game's keyboard: moves and commands the player through the key
// bindings while playing, drives the menus with fixed keys, toggles the
// window mode, captures a new binding for the options screen, ends the game
// on Alt+F4 and after the credits, saves the screen on F12, shows or hides
// the map on Tab (unless Tab is bound to an action), and hands every key to
// the interface.
//
// The movement vector is worked out from the movement keys held since their
// press was accepted, so a release is never lost: wherever it arrives (menu,
// victory, key capture) the hero stops instead of walking on behind a window.
class KeyboardInput : public GLINT::SDL::TextInput {
public:
    // Key numbers with a fixed meaning.
    static constexpr int Key_Tab = 2;
    static constexpr int Key_Return = 4;
    static constexpr int Key_Escape = 6;
    static constexpr int Key_C = 47;
    static constexpr int Key_KP_Enter = 183;
    static constexpr int Key_Up = 185;
    static constexpr int Key_Down = 186;
    static constexpr int Key_Right = 187;
    static constexpr int Key_Left = 188;
    static constexpr int Key_F4 = 197;
    static constexpr int Key_F12 = 205;

    // Neither is owned; either may be null (then what needs it is skipped).
    KeyboardInput(Player* player, GUI* gui);
    ~KeyboardInput() override;

    bool handleKeyEvent(const GLINT::SDL::Key& key, bool pressed) override;

    // What the options screen shows for a key: its name without the leading
    // "K" ("W", "LCTRL"); empty for a key without a name.
    static std::string Capture_Label(int key);

    // How many movement keys the hero is being steered with now.
    std::size_t Held_Movement_Keys() const { return Held.size(); }

private:
    bool Playing(const GLINT::SDL::Key& key, bool pressed);
    void Capturing(const GLINT::SDL::Key& key, bool pressed);
    // The movement command a key is bound to (first of right, down, left, up).
    bool Find_Movement(int code, Player_Commands::Command& found) const;
    bool Is_Movement_Or_Run(int code) const;
    // Works the vector out from the held keys and faces the hero along it.
    void Update_Movement_Vector();
    // No key steers the hero any more: he stands, unless busy hitting or being hit.
    void Halt();
    bool Toggle_Window_Mode();
    void Pass_On(const GLINT::SDL::Key& key, bool pressed);

    Player* The_Player;
    GUI* Interface;
    // Key number -> the direction it pushes.
    std::map<int, Player_Commands::Command> Held;
};
