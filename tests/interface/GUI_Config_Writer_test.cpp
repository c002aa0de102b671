#include <gtest/gtest.h>

#include "interface/Config_Writer.hpp"
#include "interface/GUI_Fixture.hpp"
#include "interface/Key_Grid.hpp"
#include "shell/Config.hpp"

using namespace gui_test;

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

TEST_F(GUI_Config_Writer, DefaultsAreWrittenBackByteForByte) {
    Write("Config.ini", Default_Config_Text(1366, 768));
    Read_Back();
    ASSERT_TRUE(Config_Writer::Save(error)) << error;
    EXPECT_EQ(Read("Config.ini"), Default_Config_Text(1366, 768));
    EXPECT_FALSE(fs::exists("Config.ini.tmp"));
}

TEST_F(GUI_Config_Writer, All34BindingsReadBackTheSame) {
    Write("Config.ini", Default_Config_Text(800, 600));
    Read_Back();
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

} // namespace
