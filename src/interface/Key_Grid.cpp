#include "interface/Key_Grid.hpp"

#include "media/ButtonNames.hpp"
#include "media/KeyNames.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::ButtonNames;
using GLINT::SDL::KeyNames;

const std::string Key_Grid::Id_Prefix = "OptionMenu_Input_Key";

const std::array<Key_Grid::Cell, Key_Grid::Cells>& Key_Grid::Table() {
    using S = Game_Settings;
    // Spelled out: the screen's order differs from Config.ini's from row 11 on.
    static const std::array<Cell, Cells> table = {{
        {1, 1, "Up", "UP_1", &S::UP_1},
        {1, 2, "Up", "UP_2", &S::UP_2},
        {2, 1, "Down", "DOWN_1", &S::DOWN_1},
        {2, 2, "Down", "DOWN_2", &S::DOWN_2},
        {3, 1, "Left", "LEFT_1", &S::LEFT_1},
        {3, 2, "Left", "LEFT_2", &S::LEFT_2},
        {4, 1, "Right", "RIGHT_1", &S::RIGHT_1},
        {4, 2, "Right", "RIGHT_2", &S::RIGHT_2},
        {5, 1, "Attack", "ATTACK_1", &S::ATTACK_1},
        {5, 2, "Attack", "ATTACK_2", &S::ATTACK_2},
        {6, 1, "Melee Weapon", "DRAW_MELEE_W_1", &S::DRAW_MELEE_W_1},
        {6, 2, "Melee Weapon", "DRAW_MELEE_W_2", &S::DRAW_MELEE_W_2},
        {7, 1, "Distant Weapon", "DRAW_DISTANT_W_1", &S::DRAW_DISTANT_W_1},
        {7, 2, "Distant Weapon", "DRAW_DISTANT_W_2", &S::DRAW_DISTANT_W_2},
        {8, 1, "Throw Weapon", "DRAW_THROW_W_1", &S::DRAW_THROW_W_1},
        {8, 2, "Throw Weapon", "DRAW_THROW_W_2", &S::DRAW_THROW_W_2},
        {9, 1, "Magic Spell", "DRAW_MAGIC_SPELL_1", &S::DRAW_MAGIC_SPELL_1},
        {9, 2, "Magic Spell", "DRAW_MAGIC_SPELL_2", &S::DRAW_MAGIC_SPELL_2},
        {10, 1, "Unarmed", "HIDE_WEAPON_1", &S::HIDE_WEAPON_1},
        {10, 2, "Unarmed", "HIDE_WEAPON_2", &S::HIDE_WEAPON_2},
        {11, 1, "Inventory", "INVENTORY_1", &S::INVENTORY_1},
        {11, 2, "Inventory", "INVENTORY_2", &S::INVENTORY_2},
        {12, 1, "Characteristics", "CHARACTERISTICS_1", &S::CHARACTERISTICS_1},
        {12, 2, "Characteristics", "CHARACTERISTICS_2", &S::CHARACTERISTICS_2},
        {13, 1, "Run", "RUN_1", &S::RUN_1},
        {13, 2, "Run", "RUN_2", &S::RUN_2},
        {14, 1, "Healing Potion", "HEAL_1", &S::HEAL_1},
        {14, 2, "Healing Potion", "HEAL_2", &S::HEAL_2},
        {15, 1, "Action", "ACTION_1", &S::ACTION_1},
        {15, 2, "Action", "ACTION_2", &S::ACTION_2},
        {16, 1, "Fullscreen/Window", "WINDOW_MODE_1", &S::WINDOW_MODE_1},
        {16, 2, "Fullscreen/Window", "WINDOW_MODE_2", &S::WINDOW_MODE_2},
        {17, 1, "Menu", "MENU_CALL_1", &S::MENU_CALL_1},
        {17, 2, "Menu", "MENU_CALL_2", &S::MENU_CALL_2},
    }};
    return table;
}

std::string Key_Grid::Id(int index) {
    if (index < 0 || index >= Cells)
        return std::string();
    const Cell& cell = Table()[static_cast<std::size_t>(index)];
    const std::string row = std::to_string(cell.Row);
    return Id_Prefix + (cell.Row < 10 ? "0" : "") + row + std::to_string(cell.Column);
}

int Key_Grid::Index_Of(const std::string& id) {
    if (id.size() != Id_Prefix.size() + 3 || id.compare(0, Id_Prefix.size(), Id_Prefix) != 0)
        return -1;
    for (int index = 0; index < Cells; ++index)
        if (Id(index) == id)
            return index;
    return -1;
}

std::string Key_Grid::Caption(const Key_Binding& binding) {
    if (binding.Code == 0)
        return std::string();
    if (binding.Type == "Button")
        return ButtonNames::name(binding.Code);
    const std::string& name = KeyNames::name(binding.Code);
    return !name.empty() && name[0] == 'K' ? name.substr(1) : name;
}

bool Key_Grid::From_Caption(const std::string& caption, Key_Binding& binding) {
    Key_Binding found;
    if (caption.empty()) {
        binding = found;
        return true;
    }
    // Key names first, as the keyboard handler strips their "K": "LEFT" is the
    // arrow key, while "Left" only exists as the mouse button.
    if (const int key = KeyNames::number("K" + caption)) {
        found.Code = key;
        binding = found;
        return true;
    }
    if (const int button = ButtonNames::number(caption)) {
        found.Code = button;
        found.Type = "Button";
        binding = found;
        return true;
    }
    return false;
}

void Key_Grid::Load() {
    for (std::size_t i = 0; i < Working.size(); ++i)
        Working[i] = *Table()[i].Setting;
}

void Key_Grid::Apply() const {
    for (std::size_t i = 0; i < Working.size(); ++i)
        *Table()[i].Setting = Working[i];
}

const Key_Binding& Key_Grid::Binding(int index) const {
    static const Key_Binding none;
    if (index < 0 || index >= Cells)
        return none;
    return Working[static_cast<std::size_t>(index)];
}

bool Key_Grid::Assign(int index, const Key_Binding& binding) {
    if (index < 0 || index >= Cells)
        return false;
    Bindings next = Working;
    for (int other = 0; other < Cells; ++other)
        if (other != index && Same(next[static_cast<std::size_t>(other)], binding))
            next[static_cast<std::size_t>(other)] = Key_Binding();
    next[static_cast<std::size_t>(index)] = binding;
    return Change(next);
}

bool Key_Grid::Unassign(int index) {
    if (index < 0 || index >= Cells)
        return false;
    Bindings next = Working;
    next[static_cast<std::size_t>(index)] = Key_Binding();
    return Change(next);
}

const Key_Binding* Key_Grid::Menu_Binding(const Bindings& bindings) {
    for (std::size_t cell = (Menu_Row - 1) * 2; cell < static_cast<std::size_t>(Menu_Row * 2); ++cell)
        if (bindings[cell].Code != 0 && bindings[cell].Type == "Key")
            return &bindings[cell];
    return nullptr;
}

std::string Key_Grid::Menu_Key() const {
    const Key_Binding* key = Menu_Binding(Working);
    return key ? Caption(*key) : std::string();
}

bool Key_Grid::Change(const Bindings& next) {
    // A grid read from a file that already lost the menu's key may still change.
    if (Menu_Binding(Working) && !Menu_Binding(next))
        return false;
    Working = next;
    return true;
}

bool Key_Grid::Same(const Key_Binding& a, const Key_Binding& b) {
    return a.Code != 0 && a.Code == b.Code && a.Type == b.Type;
}
