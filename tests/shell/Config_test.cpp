#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "media/KeyNames.hpp"
#include "media/Logger.hpp"
#include "shell/Config.hpp"
#include "shell/Game_Settings.hpp"

namespace fs = std::filesystem;
using GLINT::SDL::KeyNames;

namespace {

#define DIRECTIONS                                                                                          \
    "CH_RIGHT = 0\nCH_RIGHT_DOWN = 1\nCH_DOWN = 2\nCH_LEFT_DOWN = 3\nCH_LEFT = 4\nCH_LEFT_UP = 5\nCH_UP = 6\n"   \
    "CH_RIGHT_UP = 7\n"

const char* const Dev_Config_Ok = "FRAMES_PER_SECOND = 60\n"
                                  "AI_CHOOSE_DESTINATION_PS = 2\n" DIRECTIONS
                                  "Log_Name = test.log\n";

// Each test runs in a fresh folder of its own, with the built-in settings.
class ConfigFiles : public ::testing::Test {
protected:
    void SetUp() override {
        previous = fs::current_path();
        char pattern[] = "/tmp/varnholt_config_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        fs::current_path(folder);
        fs::create_directory("Config");
        Game_Settings::Reset();
    }

    void TearDown() override {
        fs::current_path(previous);
        fs::remove_all(folder);
        Game_Settings::Reset();
        GLINT::SDL::GameLog.setFile(false);
        GLINT::SDL::GameLog.setConsole(true);
    }

    static void write(const std::string& name, const std::string& text) {
        std::ofstream(name, std::ios::binary) << text;
    }

    static std::string read(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // The message Get_Config throws, and what it printed before throwing.
    static std::string failure(std::string* printed = nullptr) {
        bool mayCreate = false;
        testing::internal::CaptureStdout();
        std::string message = "(no exception)";
        try {
            Get_Config(mayCreate);
        } catch (const std::logic_error& e) {
            message = e.what();
        }
        std::string out = testing::internal::GetCapturedStdout();
        if (printed)
            *printed = out;
        return message;
    }

    fs::path previous;
    fs::path folder;
};

} // namespace

TEST_F(ConfigFiles, ValueReaderFollowsTheLineRules) {
    write("test.ini", "# SCREEN_BPP = 8\n"
                      "SCREEN_BPP = 24 # a comment after the value hides the line too\n"
                      "SCREEN_BPP = 32\n"
                      "SCREEN_WIDTH= 800\n"
                      "CH_RIGHT_DOWN = 1\n"
                      "CH_RIGHT = 0\n"
                      "CH_RIGHT = 9\n"
                      "Quoted = \"Two Words\" trailing\n"
                      "Unquoted = Two Words\n"
                      "Unclosed = \"Two Words\n"
                      "Padded =    7   \n"
                      "Empty = \n"
                      "Windows = 5\r\n"
                      "lower = 1\n");

    EXPECT_EQ(Get_Config_Value("test.ini", "SCREEN_BPP"), "32");
    EXPECT_EQ(Get_Config_Value("test.ini", "SCREEN_WIDTH"), "");
    EXPECT_EQ(Get_Config_Value("test.ini", "CH_RIGHT"), "0");
    EXPECT_EQ(Get_Config_Value("test.ini", "CH_RIGHT_DOWN"), "1");
    EXPECT_EQ(Get_Config_Value("test.ini", "CH"), "");
    EXPECT_EQ(Get_Config_Value("test.ini", "Quoted"), "Two Words");
    EXPECT_EQ(Get_Config_Value("test.ini", "Unquoted"), "Two");
    EXPECT_EQ(Get_Config_Value("test.ini", "Unclosed"), " \"Two Words");
    EXPECT_EQ(Get_Config_Value("test.ini", "Padded"), "7");
    EXPECT_EQ(Get_Config_Value("test.ini", "Empty"), "");
    EXPECT_EQ(Get_Config_Value("test.ini", "Windows"), "5");
    EXPECT_EQ(Get_Config_Value("test.ini", "LOWER"), "");
    EXPECT_EQ(Get_Config_Value("missing.ini", "SCREEN_BPP"), "");
}

TEST_F(ConfigFiles, BindingsFromKeyNamesButtonNamesAndNothing) {
    Key_Binding unbound = Key_Binding::From_Value("");
    EXPECT_EQ(unbound.Code, 0);
    EXPECT_EQ(unbound.Type, "Key");

    Key_Binding w = Key_Binding::From_Value("KW");
    EXPECT_EQ(w.Code, 67);
    EXPECT_EQ(w.Type, "Key");
    EXPECT_EQ(Key_Binding::From_Value("KLCTRL").Code, 214);

    Key_Binding left = Key_Binding::From_Value("Left");
    EXPECT_EQ(left.Code, 1);
    EXPECT_EQ(left.Type, "Button");
    EXPECT_EQ(Key_Binding::From_Value("WheelDown").Code, 5);

    // A display label without its K is neither a key nor a button name.
    Key_Binding label = Key_Binding::From_Value("W");
    EXPECT_EQ(label.Code, 0);
    EXPECT_EQ(label.Type, "Button");
}

TEST_F(ConfigFiles, DefaultConfigTextIsExact) {
    const std::string expected = R"(#screen def
SCREEN_WIDTH = 1920
SCREEN_HEIGHT = 1080
SCREEN_BPP = 16
FULLSCREEN = 1

#Audio
ALL_SOUNDS_VOLUME = 100
SFXS_VOLUME = 100
MUSIC_VOLUME = 100
VOICE_VOLUME = 100
VIDEO_VOLUME = 100
INTERFACE_VOLUME = 100
ENABLE_ALL_SOUNDS = 1
ENABLE_SFXS_SOUNDS = 1
ENABLE_MUSIC_SOUNDS = 1
ENABLE_VOICE_SOUNDS = 1
ENABLE_VIDEO_SOUNDS = 1
ENABLE_INTERFACE_SOUNDS = 1

###KEYS NAMES ARE ALL CAPITALIZED EXCEPT LETTERS NAME###
#Keys 1
UP_1 = KW
DOWN_1 = KS
LEFT_1 = KQ
RIGHT_1 = KE
ATTACK_1 = KLCTRL
DRAW_MELEE_W_1 = KKP1
DRAW_DISTANT_W_1 = KKP2
DRAW_THROW_W_1 = KKP3
DRAW_MAGIC_SPELL_1 = KKP4
HIDE_WEAPON_1 = KR
MENU_CALL_1 = KESCAPE
WINDOW_MODE_1 = KF11
INVENTORY_1 = KI
CHARACTERISTICS_1 = KC
RUN_1 = KLSHIFT
HEAL_1 = KH
ACTION_1 = KLALT

#Keys 2
UP_2 = KUP
DOWN_2 = KDOWN
LEFT_2 = KLEFT
RIGHT_2 = KRIGHT
ATTACK_2 = KRCTRL
DRAW_MELEE_W_2 = 
DRAW_DISTANT_W_2 = 
DRAW_THROW_W_2 = 
DRAW_MAGIC_SPELL_2 = 
HIDE_WEAPON_2 = 
MENU_CALL_2 = 
WINDOW_MODE_2 = 
INVENTORY_2 = 
CHARACTERISTICS_2 = 
RUN_2 = 
HEAL_2 = 
ACTION_2 = KRALT
)";
    EXPECT_EQ(Default_Config_Text(1920, 1080), expected);

    EXPECT_TRUE(Write_Config_File("Config.ini", expected));
    EXPECT_EQ(read("Config.ini"), expected);
    EXPECT_FALSE(Write_Config_File("no_such_folder/Config.ini", expected));
}

TEST_F(ConfigFiles, GetConfigReadsBothFiles) {
    write("Config.ini", Default_Config_Text(800, 600) +
                            "SCREEN_WIDTH = 1280\n" // the first line wins
                            "#ATTACK_2 = KA\n");
    // Swap a few values of the default text for less ordinary ones.
    std::string text = read("Config.ini");
    auto replace = [&text](const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
    };
    replace("SCREEN_HEIGHT = 600", "SCREEN_HEIGHT = tall");
    replace("SCREEN_BPP = 16", "SCREEN_BPP = 32");
    replace("FULLSCREEN = 1", "FULLSCREEN = 0");
    replace("MUSIC_VOLUME = 100", "MUSIC_VOLUME = 40");
    replace("ENABLE_VOICE_SOUNDS = 1", "ENABLE_VOICE_SOUNDS = 2");
    replace("ATTACK_1 = KLCTRL", "ATTACK_1 = Left");
    replace("HEAL_2 = ", "HEAL_2 = KKPLUS");
    write("Config.ini", text);
    write("Config/Dev_Config.ini", "FRAMES_PER_SECOND = 60\n"
                                   "Window_Name = \"Varnholt Test\"\n"
                                   "CH_RIGHT_DOWN = 1\n"
                                   "CH_RIGHT = 5\n"
                                   "CH_RIGHT_UP = 7\n"
                                   "CH_DOWN = 2\nCH_LEFT_DOWN = 3\nCH_LEFT = 4\nCH_LEFT_UP = 0\nCH_UP = 6\n"
                                   "INITIAL_MONSTERS = 6\n"
                                   "MAX_MONSTERS_SIMULTANEOUSLY = 10\n"
                                   "PAUSE_ANIM_TIME = 8\n"
                                   "AI_CHOOSE_DESTINATION_PS = 2\n"
                                   "DROP_TIME_BF4_EROSION = 90\n"
                                   "BOW_DROP = 3\n"
                                   "BF_Map = Data/Battlefield/Test_BF.xml\n"
                                   "GLOBAL_GAME_STATE = 8\n"
                                   "Log_Name = test.log\n"
                                   "MONSTERS_GENERATION_INTERVAL = 45000\n"
                                   "RESET_STATUS_MSG_INTERVAL = x\n"
                                   "CHECK_DROPS_EROSION = 5000\n");

    bool mayCreate = false;
    ASSERT_TRUE(Get_Config(mayCreate));

    using S = Game_Settings;
    EXPECT_EQ(S::SCREEN_WIDTH, 800);
    EXPECT_EQ(S::SCREEN_HEIGHT, 768); // unreadable: the built-in value stays
    EXPECT_EQ(S::SCREEN_BPP, 32);
    EXPECT_FALSE(S::FULLSCREEN);
    EXPECT_EQ(S::Current_Screen_Width, 800);
    EXPECT_EQ(S::Current_Screen_Height, 768);
    EXPECT_EQ(S::Current_Screen_BPP, 32);
    EXPECT_EQ(S::MUSIC_VOLUME, 40);
    EXPECT_EQ(S::SFXS_VOLUME, 100);
    EXPECT_TRUE(S::ENABLE_VOICE_SOUNDS); // only 0 and 1 are booleans

    EXPECT_EQ(S::UP_1.Code, KeyNames::number("KW"));
    EXPECT_EQ(S::UP_1.Type, "Key");
    EXPECT_EQ(S::ATTACK_1.Code, 1);
    EXPECT_EQ(S::ATTACK_1.Type, "Button");
    EXPECT_EQ(S::ATTACK_2.Code, 215);
    EXPECT_EQ(S::DRAW_MELEE_W_2.Code, 0);
    EXPECT_EQ(S::DRAW_MELEE_W_2.Type, "Key");
    EXPECT_EQ(S::HEAL_2.Code, 182);
    EXPECT_EQ(S::ACTION_2.Code, KeyNames::number("KRALT"));

    EXPECT_EQ(S::FRAMES_PER_SECOND, 60);
    EXPECT_EQ(S::Window_Name, "Varnholt Test");
    EXPECT_EQ(S::CH_RIGHT, 5);
    EXPECT_EQ(S::CH_RIGHT_DOWN, 1);
    EXPECT_EQ(S::CH_LEFT_UP, 0);
    EXPECT_EQ(S::CH_RIGHT_UP, 7);
    EXPECT_EQ(S::INITIAL_MONSTERS, 6);
    EXPECT_EQ(S::MAX_MONSTERS_SIMULTANEOUSLY, 10);
    EXPECT_EQ(S::PAUSE_ANIM_TIME, 8u);
    EXPECT_EQ(S::AI_CHOOSE_DESTINATION_PS, 2);
    EXPECT_EQ(S::DROP_TIME_BF4_EROSION, 90u);
    EXPECT_EQ(S::BOW_DROP, 3u);
    EXPECT_EQ(S::BF_Map, "Data/Battlefield/Test_BF.xml");
    EXPECT_EQ(S::GLOBAL_GAME_STATE.load(), 8);
    EXPECT_EQ(S::Log_Name, "test.log");
    EXPECT_EQ(S::MONSTERS_GENERATION_INTERVAL, 45000);
    EXPECT_EQ(S::RESET_STATUS_MSG_INTERVAL, 0);
    EXPECT_EQ(S::CHECK_DROPS_EROSION, 5000);

    EXPECT_TRUE(fs::exists("test.log"));
    EXPECT_TRUE(GLINT::SDL::GameLog.toFile());
    EXPECT_FALSE(GLINT::SDL::GameLog.toConsole());
}

TEST_F(ConfigFiles, StringKeysMissingFromDevConfigBecomeEmpty) {
    write("Config.ini", Default_Config_Text(800, 600));
    write("Config/Dev_Config.ini", "FRAMES_PER_SECOND = 30\nAI_CHOOSE_DESTINATION_PS = 1\n" DIRECTIONS);
    bool mayCreate = false;
    testing::internal::CaptureStderr();
    ASSERT_TRUE(Get_Config(mayCreate));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Logger ERROR : Failed to open"),
              std::string::npos);
    EXPECT_EQ(Game_Settings::Window_Name, "");
    EXPECT_EQ(Game_Settings::Log_Name, "");
    EXPECT_EQ(Game_Settings::GLOBAL_GAME_STATE.load(), 3);
}

TEST_F(ConfigFiles, WithoutConfigIniAndMayCreateFalseNothingChanges) {
    write("Config/Dev_Config.ini", Dev_Config_Ok);
    bool mayCreate = false;
    EXPECT_FALSE(Get_Config(mayCreate));
    EXPECT_FALSE(fs::exists("Config.ini"));
    EXPECT_FALSE(fs::exists("test.log"));

    using S = Game_Settings;
    EXPECT_EQ(S::SCREEN_WIDTH, 1024);
    EXPECT_EQ(S::SCREEN_HEIGHT, 768);
    EXPECT_EQ(S::SCREEN_BPP, 16);
    EXPECT_TRUE(S::FULLSCREEN);
    EXPECT_EQ(S::ALL_SOUNDS_VOLUME, 100);
    EXPECT_TRUE(S::ENABLE_INTERFACE_SOUNDS);
    EXPECT_EQ(S::UP_1.Code, 0);
    EXPECT_EQ(S::FRAMES_PER_SECOND, 0);
    EXPECT_EQ(S::Window_Name, "Varnholt");
    EXPECT_EQ(S::GLOBAL_GAME_STATE.load(), 3);
    EXPECT_EQ(S::Log_Name, "Varnholt.Log");
}

TEST_F(ConfigFiles, WithMayCreateTheDefaultConfigIniIsWritten) {
    write("Config/Dev_Config.ini", Dev_Config_Ok);
    bool mayCreate = true;
    ASSERT_TRUE(Get_Config(mayCreate));
    std::string written = read("Config.ini");
    EXPECT_EQ(written.rfind("#screen def\n", 0), 0u);
    EXPECT_EQ(written,
              Default_Config_Text(Game_Settings::SCREEN_WIDTH, Game_Settings::SCREEN_HEIGHT));
    EXPECT_GT(Game_Settings::SCREEN_WIDTH, 0);
    EXPECT_EQ(Game_Settings::ATTACK_1.Code, 214);
}

TEST_F(ConfigFiles, MissingDevConfigIsReported) {
    write("Config.ini", Default_Config_Text(800, 600));
    std::string printed;
    EXPECT_EQ(failure(&printed), "Error In Get_Config() : Can't Read Config/Dev_Config.ini File");
    EXPECT_EQ(printed, "Can't Read Config/Dev_Config.ini File\n");
}

TEST_F(ConfigFiles, ScreenAndVolumeValuesMustBeUsable) {
    write("Config/Dev_Config.ini",
          "FRAMES_PER_SECOND = 25\nAI_CHOOSE_DESTINATION_PS = 2\n" DIRECTIONS "Log_Name = test.log\n");
    const std::string prefix = "Error In Get_Config() : Config.ini : ";
    const std::string good = Default_Config_Text(800, 600);
    auto with = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };

    write("Config.ini", with("SCREEN_WIDTH = 800", "SCREEN_WIDTH = -5"));
    EXPECT_EQ(failure(), prefix + "SCREEN_WIDTH = -5 is out of range (0 to 16384)");
    Game_Settings::Reset();
    write("Config.ini", with("SCREEN_BPP = 16", "SCREEN_BPP = 17"));
    EXPECT_EQ(failure(), prefix + "SCREEN_BPP = 17 is out of range (0, 8, 15, 16, 24 or 32)");
    Game_Settings::Reset();
    write("Config.ini", with("MUSIC_VOLUME = 100", "MUSIC_VOLUME = 150"));
    EXPECT_EQ(failure(), prefix + "MUSIC_VOLUME = 150 is out of range (0 to 100)");

    Game_Settings::Reset();
    write("Config.ini", with("SCREEN_BPP = 16", "SCREEN_BPP = 0"));
    bool mayCreate = false;
    EXPECT_TRUE(Get_Config(mayCreate));
}

TEST_F(ConfigFiles, FrameRateAndAiRateMustBeUsableDivisors) {
    write("Config.ini", Default_Config_Text(800, 600));
    const std::string prefix = "Error In Get_Config() : Config/Dev_Config.ini : ";
    const std::string log = "Log_Name = test.log\n";

    write("Config/Dev_Config.ini", "FRAMES_PER_SECOND = 0\nAI_CHOOSE_DESTINATION_PS = 2\n" + log);
    EXPECT_EQ(failure(), prefix + "FRAMES_PER_SECOND = 0 is out of range (at least 1)");

    Game_Settings::Reset();
    write("Config/Dev_Config.ini", "FRAMES_PER_SECOND = -5\nAI_CHOOSE_DESTINATION_PS = 2\n" + log);
    EXPECT_EQ(failure(), prefix + "FRAMES_PER_SECOND = -5 is out of range (at least 1)");

    Game_Settings::Reset();
    write("Config/Dev_Config.ini", "AI_CHOOSE_DESTINATION_PS = 2\n" + log);
    EXPECT_EQ(failure(), prefix + "FRAMES_PER_SECOND = 0 is out of range (at least 1)");

    for (const char* ai : {"0", "6001", "70000", "-1"}) {
        Game_Settings::Reset();
        write("Config/Dev_Config.ini",
              std::string("FRAMES_PER_SECOND = 25\nAI_CHOOSE_DESTINATION_PS = ") + ai + "\n" + log);
        EXPECT_EQ(failure(),
                  prefix + "AI_CHOOSE_DESTINATION_PS = " + ai + " is out of range (1 to 6000)");
    }

    for (const char* ai : {"1", "6000"}) {
        Game_Settings::Reset();
        write("Config/Dev_Config.ini",
              std::string("FRAMES_PER_SECOND = 1\nAI_CHOOSE_DESTINATION_PS = ") + ai + "\n" DIRECTIONS + log);
        bool mayCreate = false;
        EXPECT_TRUE(Get_Config(mayCreate)) << ai;
    }
}

TEST_F(ConfigFiles, DirectionCodesMustBeEachRowOnce) {
    write("Config.ini", Default_Config_Text(800, 600));
    const std::string prefix = "Error In Get_Config() : Config/Dev_Config.ini : ";
    const std::string head = "FRAMES_PER_SECOND = 25\nAI_CHOOSE_DESTINATION_PS = 2\nLog_Name = test.log\n";
    struct Scenario {
        const char* name;
        std::string from, to, error;
    } scenarios[] = {
        {"a row past the sheet", "CH_UP = 6", "CH_UP = 8", "CH_UP = 8 is out of range (0 to 7)"},
        {"a negative row", "CH_LEFT = 4", "CH_LEFT = -1", "CH_LEFT = -1 is out of range (0 to 7)"},
        {"a row twice", "CH_UP = 6", "CH_UP = 0", "CH_UP = 0 is out of range (each direction code once, 0 to 7)"},
        {"a direction missing", "CH_RIGHT_UP = 7\n", "",
         "CH_RIGHT_UP = 0 is out of range (each direction code once, 0 to 7)"},
    };
    for (const Scenario& s : scenarios) {
        Game_Settings::Reset();
        std::string text = head + DIRECTIONS;
        text.replace(text.find(s.from), s.from.size(), s.to);
        write("Config/Dev_Config.ini", text);
        EXPECT_EQ(failure(), prefix + s.error) << s.name;
    }
    Game_Settings::Reset();
    write("Config/Dev_Config.ini", head + "CH_RIGHT = 7\nCH_RIGHT_DOWN = 6\nCH_DOWN = 5\nCH_LEFT_DOWN = 4\nCH_LEFT = 3\n"
                                          "CH_LEFT_UP = 2\nCH_UP = 1\nCH_RIGHT_UP = 0\n");
    bool mayCreate = false;
    EXPECT_TRUE(Get_Config(mayCreate)) << "any order of the eight rows";
}
