#pragma once

#include <array>
#include <string>

#include "shell/Key_Binding.hpp"

// The inputs screen's grid: seventeen actions, top to bottom in the order the
// screen shows them (which is not Config.ini's), two bindings each. While the
// screen is open the grid holds a working copy of the bindings; the settings
// change only when it is applied.
class Key_Grid {
public:
    static constexpr int Rows = 17;
    static constexpr int Cells = Rows * 2;
    // The options are reached through the menu alone: its row must keep a key.
    static constexpr int Menu_Row = 17;
    // Every key button's action id starts with it.
    static const std::string Id_Prefix;

    struct Cell {
        int Row;                // 1 to 17
        int Column;             // 1 or 2
        const char* Row_Label;  // "Up", "Melee Weapon"...
        const char* Config_Key; // "UP_1", "DRAW_MELEE_W_1"...
        Key_Binding* Setting;   // the Game_Settings value it edits
    };

    // Row by row, first column first: index = (row - 1) * 2 + column - 1.
    static const std::array<Cell, Cells>& Table();

    // "OptionMenu_Input_Key" + two-digit row + column: "OptionMenu_Input_Key011".
    static std::string Id(int index);
    // The cell an id names, or -1.
    static int Index_Of(const std::string& id);

    // A binding as the grid shows it: the key name without its leading "K"
    // ("W", "LCTRL", "ey_World5"), the button name ("Left"), "" when unbound.
    static std::string Caption(const Key_Binding& binding);
    // The exact inverse of Caption: "Left" is the mouse button, "LEFT" the
    // arrow key, "" unbound. False when the caption names neither a key nor a button.
    static bool From_Caption(const std::string& caption, Key_Binding& binding);

    // The working copy, from and to Game_Settings.
    void Load();
    void Apply() const;

    const Key_Binding& Binding(int index) const;
    std::string Caption(int index) const { return Caption(Binding(index)); }

    // Binds a cell; any other cell holding the same key or button is emptied,
    // so one key never drives two actions. Both refuse, changing nothing and
    // returning false, to take the menu's last key, or for an out-of-range index.
    bool Assign(int index, const Key_Binding& binding);
    bool Unassign(int index);
    // The caption of the key that opens the menu, "" when none does (a mouse
    // button never opens it).
    std::string Menu_Key() const;

    // Both bound to the same key or button (unbound bindings never match).
    static bool Same(const Key_Binding& a, const Key_Binding& b);

private:
    using Bindings = std::array<Key_Binding, Cells>;
    static const Key_Binding* Menu_Binding(const Bindings& bindings);
    bool Change(const Bindings& next);

    Bindings Working{};
};
