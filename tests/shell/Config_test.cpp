#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "interface/Config_Writer.hpp"
#include "interface/Key_Grid.hpp"
#include "media/KeyNames.hpp"
#include "media/Logger.hpp"
#include "media/Temporary_Folder.hpp"
#include "shell/Config.hpp"
#include "shell/Game_Settings.hpp"

namespace fs = std::filesystem;
using GLINT::SDL::KeyNames;
using test_files::Read;
using test_files::Write;

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
        fs::create_directory("Config");
        Game_Settings::Reset();
    }

    void TearDown() override {
        Game_Settings::Reset();
        GLINT::SDL::GameLog.setFile(false);
        GLINT::SDL::GameLog.setConsole(true);
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

    test_files::Temporary_Folder here;
};

} // namespace

TEST_F(ConfigFiles, ValueReaderFollowsTheLineRules) {
    Write("test.ini", "# SCREEN_BPP = 8\n"
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

// How the values are read; which key lands where is checked for Config.ini by the settings saved
// and read back below, for Dev_Config.ini by the whole-game tests that set their own and by the
// range checks at start.
TEST_F(ConfigFiles, GetConfigReadsBothFiles) {
    std::string text = Default_Config_Text(800, 600) + "SCREEN_WIDTH = 1280\n"; // the first line wins
    for (const auto& [from, to] : {std::make_pair("SCREEN_HEIGHT = 600", "SCREEN_HEIGHT = tall"),
                                   std::make_pair("ENABLE_VOICE_SOUNDS = 1", "ENABLE_VOICE_SOUNDS = 2")})
        text.replace(text.find(from), std::string(from).size(), to);
    Write("Config.ini", text);
    Write("Config/Dev_Config.ini", std::string(Dev_Config_Ok) + "Window_Name = \"Varnholt Test\"\nPAUSE_ANIM_TIME = 8\n"
                                                               "GLOBAL_GAME_STATE = 8\nRESET_STATUS_MSG_INTERVAL = x\n");
    bool mayCreate = false;
    ASSERT_TRUE(Get_Config(mayCreate));

    using S = Game_Settings;
    EXPECT_EQ(S::SCREEN_WIDTH, 800);
    EXPECT_EQ(S::SCREEN_HEIGHT, 768); // unreadable: the built-in value stays
    EXPECT_EQ(S::Current_Screen_Height, 768);
    EXPECT_TRUE(S::ENABLE_VOICE_SOUNDS); // only 0 and 1 are booleans
    EXPECT_EQ(S::Window_Name, "Varnholt Test");
    EXPECT_EQ(S::PAUSE_ANIM_TIME, 8u);
    EXPECT_EQ(S::GLOBAL_GAME_STATE.load(), 8);
    EXPECT_EQ(S::RESET_STATUS_MSG_INTERVAL, 0);
    EXPECT_EQ(S::Log_Name, "test.log");
    EXPECT_TRUE(fs::exists("test.log"));
    EXPECT_TRUE(GLINT::SDL::GameLog.toFile());
    EXPECT_FALSE(GLINT::SDL::GameLog.toConsole());
}

TEST_F(ConfigFiles, WithoutConfigIniTheDefaultIsWrittenOnlyWhenAllowed) {
    Write("Config/Dev_Config.ini", Dev_Config_Ok);
    bool mayCreate = false;
    EXPECT_FALSE(Get_Config(mayCreate));
    EXPECT_FALSE(fs::exists("Config.ini"));
    EXPECT_FALSE(fs::exists("test.log"));
    EXPECT_EQ(Game_Settings::UP_1.Code, 0);
    EXPECT_EQ(Game_Settings::FRAMES_PER_SECOND, 0);

    mayCreate = true;
    ASSERT_TRUE(Get_Config(mayCreate));
    EXPECT_EQ(Read("Config.ini"), Default_Config_Text(Game_Settings::SCREEN_WIDTH, Game_Settings::SCREEN_HEIGHT));
    EXPECT_GT(Game_Settings::SCREEN_WIDTH, 0);
    // What it holds reads back as a playable game: full screen at full volume, every action of the
    // first set on a key of its own, the second set moving, striking and acting.
    using S = Game_Settings;
    EXPECT_EQ(S::SCREEN_BPP, 16);
    EXPECT_TRUE(S::FULLSCREEN);
    for (int volume : {S::ALL_SOUNDS_VOLUME, S::SFXS_VOLUME, S::MUSIC_VOLUME, S::VOICE_VOLUME, S::VIDEO_VOLUME,
                       S::INTERFACE_VOLUME})
        EXPECT_EQ(volume, 100);
    for (bool enabled : {S::ENABLE_ALL_SOUNDS, S::ENABLE_SFXS_SOUNDS, S::ENABLE_MUSIC_SOUNDS, S::ENABLE_VOICE_SOUNDS,
                         S::ENABLE_VIDEO_SOUNDS, S::ENABLE_INTERFACE_SOUNDS})
        EXPECT_TRUE(enabled);
    std::set<int> first;
    std::string second;
    for (const S::Key_Action& action : S::Key_Actions()) {
        EXPECT_EQ(action.Set_1->Type, "Key") << action.Name;
        EXPECT_NE(action.Set_1->Code, 0) << action.Name;
        first.insert(action.Set_1->Code);
        if (action.Set_2->Code != 0)
            second += std::string(action.Name) + " ";
    }
    EXPECT_EQ(first.size(), S::Key_Actions().size());
    EXPECT_EQ(second, "UP DOWN LEFT RIGHT ATTACK ACTION ");
    EXPECT_EQ(S::ATTACK_1.Code, 214);
}

TEST_F(ConfigFiles, MissingDevConfigIsReported) {
    Write("Config.ini", Default_Config_Text(800, 600));
    std::string printed;
    EXPECT_EQ(failure(&printed), "Error In Get_Config() : Can't Read Config/Dev_Config.ini File");
    EXPECT_EQ(printed, "Can't Read Config/Dev_Config.ini File\n");
}

// A developer's value the game cannot run with stops the start, naming the file, the key and what is
// allowed; a player's keeps the built-in value (a volume the nearer bound), and the game log says so.
TEST_F(ConfigFiles, UnusableValuesAreRefusedInDevConfigAndReplacedInConfigIni) {
    const std::string good = "FRAMES_PER_SECOND = 25\nAI_CHOOSE_DESTINATION_PS = 2\nLog_Name = test.log\n" DIRECTIONS;
    struct Row {
        const char* Name;
        std::string From, To; // in Config.ini when it starts so, else in Dev_Config.ini
        std::string Error;    // "" when accepted
        std::string Logged = ""; // for Config.ini, "" when the value is used
    };
    const std::string dev = "Config/Dev_Config.ini : ", ini = "Config.ini : ";
    const std::vector<Row> rows = {
        {"a negative height", "SCREEN_HEIGHT = 600", "SCREEN_HEIGHT = -5", "",
         ini + "SCREEN_HEIGHT = -5 is out of range (0 to 16384), 768 used instead"},
        {"a width past any number", "SCREEN_WIDTH = 800", "SCREEN_WIDTH = 99999999999999999999", "",
         ini + "SCREEN_WIDTH = 99999999999999999999 is out of range (0 to 16384), 1024 used instead"},
        {"no such depth", "SCREEN_BPP = 16", "SCREEN_BPP = 17", "",
         ini + "SCREEN_BPP = 17 is out of range (0, 8, 15, 16, 24 or 32), 16 used instead"},
        {"the display's depth", "SCREEN_BPP = 16", "SCREEN_BPP = 0", "", ""},
        {"a volume over 100", "MUSIC_VOLUME = 100", "MUSIC_VOLUME = 101", "",
         ini + "MUSIC_VOLUME = 101 is out of range (0 to 100), 100 used instead"},
        {"a volume under 0", "SFXS_VOLUME = 100", "SFXS_VOLUME = -3", "",
         ini + "SFXS_VOLUME = -3 is out of range (0 to 100), 0 used instead"},
        {"no key for the menu", "MENU_CALL_1 = KESCAPE", "MENU_CALL_1 = Right", "",
         ini + "MENU_CALL_1 and MENU_CALL_2 bind no key, ESCAPE used instead"},
        {"no frames", "FRAMES_PER_SECOND = 25", "FRAMES_PER_SECOND = 0",
         dev + "FRAMES_PER_SECOND = 0 is out of range (at least 1)"},
        {"one frame", "FRAMES_PER_SECOND = 25", "FRAMES_PER_SECOND = 1", ""},
        {"no AI pace", "_PS = 2", "_PS = 0", dev + "AI_CHOOSE_DESTINATION_PS = 0 is out of range (1 to 6000)"},
        {"an AI pace past the frame", "_PS = 2", "_PS = 6001", dev + "AI_CHOOSE_DESTINATION_PS = 6001 is out of range (1 to 6000)"},
        {"the slowest AI pace", "_PS = 2", "_PS = 1", ""},
        {"the fastest AI pace", "_PS = 2", "_PS = 6000", ""},
        {"a negative count of monsters", "Log_Name", "INITIAL_MONSTERS = -1\nLog_Name",
         dev + "INITIAL_MONSTERS = -1 is out of range (0 or more)"},
        {"an interval past 32 bits", "Log_Name", "MONSTERS_GENERATION_INTERVAL = 4294967296\nLog_Name",
         dev + "MONSTERS_GENERATION_INTERVAL = 4294967296 is out of range (0 to 2147483647)"},
        {"a negative interval", "Log_Name", "CHECK_DROPS_EROSION = -1\nLog_Name",
         dev + "CHECK_DROPS_EROSION = -1 is out of range (0 to 2147483647)"},
        {"an interval past any number", "Log_Name", "CHECK_DROPS_EROSION = 99999999999999999999\nLog_Name",
         dev + "CHECK_DROPS_EROSION = 99999999999999999999 is out of range (0 to 2147483647)"},
        {"the longest interval", "Log_Name", "MONSTERS_GENERATION_INTERVAL = 2147483647\nLog_Name", ""},
        {"a row past the sheet", "CH_UP = 6", "CH_UP = 8", dev + "CH_UP = 8 is out of range (0 to 7)"},
        {"a negative row", "CH_LEFT = 4", "CH_LEFT = -1", dev + "CH_LEFT = -1 is out of range (0 to 7)"},
        {"a row twice", "CH_UP = 6", "CH_UP = 0", dev + "CH_UP = 0 is out of range (each direction code once, 0 to 7)"},
        {"the rows in any order", DIRECTIONS,
         "CH_RIGHT = 7\nCH_RIGHT_DOWN = 6\nCH_DOWN = 5\nCH_LEFT_DOWN = 4\nCH_LEFT = 3\nCH_LEFT_UP = 2\nCH_UP = 1\n"
         "CH_RIGHT_UP = 0\n",
         ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Game_Settings::Reset();
        std::string config = Default_Config_Text(800, 600), devConfig = good;
        std::string& text = config.find(row.From) != std::string::npos ? config : devConfig;
        text.replace(text.find(row.From), row.From.size(), row.To);
        Write("Config.ini", config);
        Write("Config/Dev_Config.ini", devConfig);
        EXPECT_EQ(failure(), row.Error.empty() ? "(no exception)" : "Error In Get_Config() : " + row.Error);
        const std::string log = Read("test.log");
        if (row.Logged.empty())
            EXPECT_EQ(log.find("used instead"), std::string::npos) << log;
        else
            EXPECT_NE(log.find("Varnholt : " + row.Logged + "\n"), std::string::npos) << log;
    }

    // Without Config.ini in a folder that can't take one, the default settings are used all the same.
    Game_Settings::Reset();
    fs::remove("Config.ini");
    fs::create_directory("Config.ini.tmp");
    bool mayCreate = true;
    ASSERT_TRUE(Get_Config(mayCreate));
    EXPECT_FALSE(fs::exists("Config.ini"));
    EXPECT_EQ(Game_Settings::MENU_CALL_1.Code, Key_Binding::From_Value("KESCAPE").Code);
    EXPECT_NE(Game_Settings::MENU_CALL_1.Code, 0);
    EXPECT_EQ(Game_Settings::SCREEN_BPP, 16);
    EXPECT_NE(Read("test.log").find("Varnholt : Config.ini can't be written here: the default settings are used for "
                                    "this run\n"),
              std::string::npos);
}

// The options screen's file read back gives every setting as it was saved, each binding with its
// kind; the default file comes back byte for byte.
TEST_F(ConfigFiles, SavedSettingsReadBackAsTheyWere) {
    Write("Config/Dev_Config.ini", Dev_Config_Ok);
    Write("Config.ini", Default_Config_Text(1366, 768));
    bool mayCreate = false;
    ASSERT_TRUE(Get_Config(mayCreate));
    std::string error;
    ASSERT_TRUE(Config_Writer::Save(error)) << error;
    EXPECT_EQ(Read("Config.ini"), Default_Config_Text(1366, 768));
    EXPECT_FALSE(fs::exists("Config.ini.tmp"));

    using S = Game_Settings;
    S::SCREEN_WIDTH = 1024;
    S::SCREEN_HEIGHT = 700;
    S::SCREEN_BPP = 24;
    S::FULLSCREEN = false;
    int volume = 10;
    for (int* v : {&S::ALL_SOUNDS_VOLUME, &S::SFXS_VOLUME, &S::MUSIC_VOLUME, &S::VOICE_VOLUME, &S::VIDEO_VOLUME,
                   &S::INTERFACE_VOLUME})
        *v = ++volume;
    for (bool* on : {&S::ENABLE_SFXS_SOUNDS, &S::ENABLE_VOICE_SOUNDS, &S::ENABLE_INTERFACE_SOUNDS})
        *on = false;
    const std::pair<const char*, const char*> unusual[] = {
        {"UP_1", "KLEFT"}, {"UP_2", ""},           {"ATTACK_1", "Left"},     {"ATTACK_2", "WheelUp"},
        {"HEAL_2", "Key_World5"}, {"MENU_CALL_1", "KWORLD0"}, {"ACTION_2", "Right"}, {"RUN_1", "KKPENTER"}};
    for (const auto& u : unusual)
        for (const Key_Grid::Cell& cell : Key_Grid::Table())
            if (std::string(u.first) == cell.Config_Key)
                *cell.Setting = Key_Binding::From_Value(u.second);
    const std::string saved = Config_Writer::Text();
    ASSERT_TRUE(Config_Writer::Save(error)) << error;
    Game_Settings::Reset();
    ASSERT_TRUE(Get_Config(mayCreate));
    EXPECT_EQ(Config_Writer::Text(), saved);
    EXPECT_NE(saved.find("\nUP_2 = \n"), std::string::npos) << "unbound keeps its space";
}

TEST_F(ConfigFiles, AFailedWriteKeepsTheOldFile) {
    for (bool full_disk : {false, true}) {
        Write("Config.ini", "old settings\n");
        if (full_disk)
            fs::create_symlink("/dev/full", "Config.ini.tmp");
        else
            fs::create_directory("Config.ini.tmp");
        std::string error;
        EXPECT_FALSE(Config_Writer::Save(error));
        EXPECT_NE(error.find("Config.ini"), std::string::npos) << error;
        ASSERT_TRUE(fs::is_regular_file(fs::symlink_status("Config.ini")));
        EXPECT_EQ(Read("Config.ini"), "old settings\n") << (full_disk ? "full disk" : "folder in the way");
        fs::remove_all("Config.ini.tmp");
    }
}
