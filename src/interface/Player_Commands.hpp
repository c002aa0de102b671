#pragma once

#include <string>

class GUI;
class Player;

// The game actions of Config.ini as the input handlers see them: which one a
// key or a mouse button is bound to, and what the ones the keyboard and the
// mouse share do to the player and the interface.
class Player_Commands {
public:
    Player_Commands() = delete;

    // In Config.ini order, so that Game_Settings::Key_Actions()[command] holds its bindings.
    enum Command {
        Up,
        Down,
        Left,
        Right,
        Attack,
        Draw_Melee_W,
        Draw_Distant_W,
        Draw_Throw_W,
        Draw_Magic_Spell,
        Hide_Weapon,
        Menu_Call,
        Window_Mode,
        Inventory,
        Characteristics,
        Run,
        Heal,
        Action,
        Count
    };

    // The binding types of Config.ini.
    static const char* const Key_Type;
    static const char* const Button_Type;

    // Is code (a key or button number of that type) bound to command in either
    // set? An unbound binding (code 0) matches nothing, not even key 0.
    static bool Is_Bound(Command command, int code, const std::string& type);
    // The first of the commands both devices share (attack to action, in
    // their order) that code is bound to; false when none.
    static bool Find_Player_Command(int code, const std::string& type, Command& found);
    // Carries out one of those commands; gui may be null.
    static void Carry_Out(Command command, Player& player, GUI* gui);

    // Walks the hero one of the eight ways (x and y each -1, 0 or 1), a
    // diagonal as fast as a straight line; (0, 0) stands still and keeps the
    // facing.
    static void Steer(Player& player, int x, int y);

    // Running starts only while moving, with endurance left and a run speed
    // of its own; otherwise the flag is cleared.
    static void Running_On(Player& player);
    static void Running_Off(Player& player);
};
