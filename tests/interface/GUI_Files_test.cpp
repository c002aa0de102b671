#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "interface/Best_Times.hpp"
#include "interface/Config_Writer.hpp"
#include "interface/GUI_Fixture.hpp"
#include "interface/Key_Grid.hpp"
#include "interface/Printable_Text.hpp"
#include "media/ButtonNames.hpp"
#include "shell/Config.hpp"

using namespace gui_test;
using GLINT::SDL::KeyNames;

namespace {

// Config.ini written, then read back through Get_Config, in a folder of its own.
class GUI_Config_Writer : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory("Config");
        Write("Config/Dev_Config.ini", "FRAMES_PER_SECOND = 60\nAI_CHOOSE_DESTINATION_PS = 2\nCH_RIGHT = 0\n"
                                       "CH_RIGHT_DOWN = 1\nCH_DOWN = 2\nCH_LEFT_DOWN = 3\nCH_LEFT = 4\n"
                                       "CH_LEFT_UP = 5\nCH_UP = 6\nCH_RIGHT_UP = 7\nLog_Name = test.log\n");
    }
    void TearDown() override {
        Game_Settings::Reset();
        GLINT::SDL::GameLog.setFile(false);
        GLINT::SDL::GameLog.setConsole(true);
    }
    static void Read_Back() {
        Game_Settings::Reset();
        bool mayCreate = false;
        ASSERT_TRUE(Get_Config(mayCreate));
    }
    Temporary_Folder folder;
    std::string error;
};

TEST_F(GUI_Config_Writer, DefaultsComeBackByteForByteAndAll34BindingsReadBackTheSame) {
    Write("Config.ini", Default_Config_Text(1366, 768));
    Read_Back();
    ASSERT_TRUE(Config_Writer::Save(error)) << error;
    EXPECT_EQ(Read("Config.ini"), Default_Config_Text(1366, 768));
    EXPECT_FALSE(fs::exists("Config.ini.tmp"));

    const std::pair<const char*, const char*> unusual[] = {
        {"UP_1", "KLEFT"}, {"UP_2", ""},           {"ATTACK_1", "Left"},     {"ATTACK_2", "WheelUp"},
        {"HEAL_2", "Key_World5"}, {"MENU_CALL_1", "KWORLD0"}, {"ACTION_2", "Right"}, {"RUN_1", "KKPENTER"}};
    for (const auto& u : unusual)
        for (const Key_Grid::Cell& cell : Key_Grid::Table())
            if (std::string(u.first) == cell.Config_Key)
                *cell.Setting = Key_Binding::From_Value(u.second);
    Game_Settings::MUSIC_VOLUME = 37;
    Game_Settings::ENABLE_VOICE_SOUNDS = false;
    Key_Grid before;
    before.Load();
    ASSERT_TRUE(Config_Writer::Save(error)) << error;
    Read_Back();
    Key_Grid after;
    after.Load();
    for (int cell = 0; cell < Key_Grid::Cells; ++cell) {
        EXPECT_EQ(after.Binding(cell).Code, before.Binding(cell).Code) << Key_Grid::Table()[cell].Config_Key;
        EXPECT_EQ(after.Binding(cell).Type, before.Binding(cell).Type) << Key_Grid::Table()[cell].Config_Key;
    }
    EXPECT_EQ(Game_Settings::MUSIC_VOLUME, 37);
    EXPECT_FALSE(Game_Settings::ENABLE_VOICE_SOUNDS);
    EXPECT_NE(Read("Config.ini").find("\nUP_2 = \n"), std::string::npos) << "unbound keeps its space";
}

TEST_F(GUI_Config_Writer, AFailedWriteKeepsTheOldFile) {
    for (bool full_disk : {false, true}) {
        Write("Config.ini", "old settings\n");
        if (full_disk)
            fs::create_symlink("/dev/full", "Config.ini.tmp");
        else
            fs::create_directory("Config.ini.tmp");
        error.clear();
        EXPECT_FALSE(Config_Writer::Save(error));
        EXPECT_NE(error.find("Config.ini"), std::string::npos) << error;
        EXPECT_EQ(Read("Config.ini"), "old settings\n") << (full_disk ? "full disk" : "folder in the way");
        fs::remove_all("Config.ini.tmp");
    }
}

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

// Appending to a file that is there is what the victory screen's tests see.
TEST(GUI_Best_Times, AFailedAppendNamesTheFile) {
    Temporary_Folder folder;
    fs::create_directory("folder.txt");
    fs::create_symlink("/dev/full", "full.txt");
    for (const char* path : {"folder.txt", "full.txt", "missing/Best_Times.txt"}) {
        std::string error;
        EXPECT_FALSE(Best_Times::Append("line\n", error, path)) << path;
        EXPECT_NE(error.find(path), std::string::npos) << error;
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
