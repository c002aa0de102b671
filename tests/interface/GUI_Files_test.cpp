#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "interface/Best_Times.hpp"
#include "interface/Key_Grid.hpp"
#include "interface/Printable_Text.hpp"
#include "media/ButtonNames.hpp"
#include "media/KeyNames.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::KeyNames;

namespace {

// The durations are the battlefield helpers' own; the lines the victory screen's tests read.
TEST(GUI_Best_Times, LinesAndNames) {
    EXPECT_EQ(Best_Times::Line("x", 0, 0xFFFFFFFFu).find('-'), std::string::npos) << "never negative";

    std::string accents;
    for (int i = 0; i < 32; ++i)
        accents += "\xc3\xa9";
    const struct {
        const char* scenario;
        std::string typed, written;
    } names[] = {
        {"controls dropped", "a\tb\nc\rd\x1b" "e\x7f", "abcde"},
        {"Latin-1 byte made UTF-8", "Ren\xe9", "Ren\xc3\xa9"},
        {"UTF-8 kept", "Ren\xc3\xa9 \xe6\x9d\xb1", "Ren\xc3\xa9 \xe6\x9d\xb1"},
        {"C1 control dropped", "a\xc2\x85" "b", "ab"},
        {"overlong form read as Latin-1", "\xc0\xaf", "\xc3\x80\xc2\xaf"},
        {"cut sequence", "a\xe6\x9d", "a\xc3\xa6"},
        {"32 characters kept", std::string(40, 'x'), std::string(32, 'x')},
        {"characters, not bytes", std::string(40, '\xe9'), accents},
    };
    for (const auto& n : names) {
        EXPECT_EQ(Best_Times::Clean_Name(n.typed), n.written) << n.scenario;
        EXPECT_EQ(Printable_Text::Clean(n.written, 32), n.written) << n.scenario << ": stable";
    }
}

TEST(GUI_Key_Grid, EachOfThe34CellsEditsTheBindingConfigIniNamesItBy) {
    std::set<Key_Binding*> seen;
    for (int index = 0; index < Key_Grid::Cells; ++index) {
        const Key_Grid::Cell& cell = Key_Grid::Table()[static_cast<std::size_t>(index)];
        // The binding the settings' own list keeps under the cell's Config.ini name.
        const Game_Settings::Key_Action* action = nullptr;
        for (const auto& a : Game_Settings::Key_Actions())
            if (std::string(a.Name) + "_" + std::to_string(cell.Column) == cell.Config_Key)
                action = &a;
        ASSERT_NE(action, nullptr) << cell.Config_Key;
        EXPECT_EQ(cell.Row, index / 2 + 1);
        EXPECT_EQ(cell.Column, index % 2 + 1);
        EXPECT_EQ(cell.Setting, cell.Column == 1 ? action->Set_1 : action->Set_2) << cell.Config_Key;
        char id[32];
        std::snprintf(id, sizeof id, "OptionMenu_Input_Key%02d%d", cell.Row, cell.Column);
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
    // Backspace and the left button share a number, not a binding.
    EXPECT_FALSE(Key_Grid::Same(Key_Binding::From_Value("KBACKSPACE"), Key_Binding::From_Value("Left")));
}

} // namespace
