#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "interface/Key_Grid.hpp"
#include "media/ButtonNames.hpp"
#include "media/KeyNames.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::KeyNames;

namespace {

TEST(GUI_Key_Grid, EachOfThe34CellsEditsItsOwnBinding) {
    // Rows 11 to 17 are where the screen's order leaves Config.ini's.
    const char* const rows[Key_Grid::Rows][2] = {
        {"Up", "UP"}, {"Down", "DOWN"}, {"Left", "LEFT"}, {"Right", "RIGHT"}, {"Attack", "ATTACK"},
        {"Melee Weapon", "DRAW_MELEE_W"}, {"Distant Weapon", "DRAW_DISTANT_W"}, {"Throw Weapon", "DRAW_THROW_W"},
        {"Magic Spell", "DRAW_MAGIC_SPELL"}, {"Unarmed", "HIDE_WEAPON"}, {"Inventory", "INVENTORY"},
        {"Characteristics", "CHARACTERISTICS"}, {"Run", "RUN"}, {"Healing Potion", "HEAL"}, {"Action", "ACTION"},
        {"Fullscreen/Window", "WINDOW_MODE"}, {"Menu", "MENU_CALL"}};
    std::set<Key_Binding*> seen;
    for (int index = 0; index < Key_Grid::Cells; ++index) {
        const int row = index / 2 + 1, column = index % 2 + 1;
        const Key_Grid::Cell& cell = Key_Grid::Table()[static_cast<std::size_t>(index)];
        // The binding the settings' own list keeps under the Config.ini name.
        const Game_Settings::Key_Action* action = nullptr;
        for (const auto& a : Game_Settings::Key_Actions())
            if (std::string(a.Name) == rows[row - 1][1])
                action = &a;
        ASSERT_NE(action, nullptr) << rows[row - 1][1];
        char id[32];
        std::snprintf(id, sizeof id, "OptionMenu_Input_Key%02d%d", row, column);
        EXPECT_EQ(cell.Row, row);
        EXPECT_EQ(cell.Column, column);
        EXPECT_STREQ(cell.Row_Label, rows[row - 1][0]);
        EXPECT_EQ(cell.Config_Key, std::string(rows[row - 1][1]) + "_" + std::to_string(column));
        EXPECT_EQ(cell.Setting, column == 1 ? action->Set_1 : action->Set_2) << cell.Config_Key;
        EXPECT_EQ(Key_Grid::Id(index), id);
        EXPECT_EQ(Key_Grid::Index_Of(id), index);
        seen.insert(cell.Setting);
    }
    EXPECT_EQ(seen.size(), 34u);
    for (const char* id : {"", "OptionMenu_Input_Key", "OptionMenu_Input_Key000", "OptionMenu_Input_Key013",
                           "OptionMenu_Input_Key181", "OptionMenu_Input_Key0111", "optionmenu_input_key011"})
        EXPECT_EQ(Key_Grid::Index_Of(id), -1) << id;
}

TEST(GUI_Key_Grid, CaptionsTurnBackIntoExactlyTheirBinding) {
    const std::pair<const char*, const char*> named[] = {
        {"KW", "W"},    {"KLEFT", "LEFT"}, {"Left", "Left"},           {"WheelDown", "WheelDown"},
        {"KKP1", "KP1"}, {"KF11", "F11"},  {"Key_World5", "ey_World5"}, {"", ""}};
    for (const auto& n : named)
        EXPECT_EQ(Key_Grid::Caption(Key_Binding::From_Value(n.first)), n.second) << n.first;

    // Every key and every button, there and back.
    std::vector<Key_Binding> all;
    for (int key = 1; key <= KeyNames::Count; ++key)
        all.push_back(Key_Binding::From_Value(KeyNames::name(key)));
    for (const auto& row : GLINT::SDL::ButtonNames::table().allRows())
        all.push_back(Key_Binding::From_Value(row.name));
    for (const Key_Binding& binding : all) {
        Key_Binding back;
        ASSERT_TRUE(Key_Grid::From_Caption(Key_Grid::Caption(binding), back)) << Key_Grid::Caption(binding);
        EXPECT_TRUE(Key_Grid::Same(back, binding)) << Key_Grid::Caption(binding);
    }
    Key_Binding untouched = Key_Binding::From_Value("KW");
    EXPECT_FALSE(Key_Grid::From_Caption("NOPE", untouched));
    EXPECT_FALSE(Key_Grid::From_Caption("KW", untouched)) << "shown as \"W\"";
    EXPECT_EQ(untouched.Code, KeyNames::number("KW"));
}

} // namespace
