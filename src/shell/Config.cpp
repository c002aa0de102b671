#include "shell/Config.hpp"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "media/Logger.hpp"
#include "media/VideoInfo.hpp"
#include "shell/Game_Settings.hpp"

namespace {

const char* const Config_File = "Config.ini";
const char* const Dev_Config_File = "Config/Dev_Config.ini";

// One configuration file's text, read once and looked up key by key.
struct Settings_Text {
    std::string File;
    std::string Text;

    std::string Value(const std::string& key) const { return Find_Config_Value(Text, key); }
};

bool Read_Whole_File(const std::string& fileName, std::string& text) {
    std::ifstream file(fileName.c_str(), std::ios::binary);
    if (!file)
        return false;
    std::ostringstream content;
    content << file.rdbuf();
    text = content.str();
    return true;
}

// Leaves the setting alone when the value is missing or not a T.
template <class T>
void Read_Setting(const Settings_Text& file, const std::string& key, T& setting) {
    std::istringstream in(file.Value(key));
    T value;
    if (in >> value)
        setting = value;
}

void Read_Setting(const Settings_Text& file, const std::string& key, std::string& setting) {
    setting = file.Value(key);
}

void Read_Setting(const Settings_Text& file, const std::string& key, std::atomic<int>& setting) {
    int value = setting;
    Read_Setting(file, key, value);
    setting = value;
}

// The value as a number; false when it is none. A numeral too long for a long
// gives the nearer limit, which is out of every range below.
bool Read_Number(const Settings_Text& file, const std::string& key, long& number) {
    std::istringstream in(file.Value(key));
    long value = 0;
    in >> value;
    const bool overflow = value == std::numeric_limits<long>::max() || value == std::numeric_limits<long>::min();
    if (in.fail() && !overflow)
        return false;
    number = value;
    return true;
}

void Read_Bindings(const Settings_Text& file, int set) {
    for (const Game_Settings::Key_Action& action : Game_Settings::Key_Actions()) {
        std::string key = std::string(action.Name) + "_" + std::to_string(set);
        Key_Binding* binding = set == 1 ? action.Set_1 : action.Set_2;
        *binding = Key_Binding::From_Value(file.Value(key));
    }
}

std::string Out_Of_Range(const Settings_Text& file, const std::string& key, long value,
                         const std::string& allowed) {
    std::string shown = file.Value(key);
    if (shown.empty())
        shown = std::to_string(value);
    return file.File + " : " + key + " = " + shown + " is out of range (" + allowed + ")";
}

// A developer's value the game cannot run with stops the start with the file,
// the key and what is allowed, rather than failing later in a less clear place.
[[noreturn]] void Reject(const Settings_Text& file, const std::string& key, long value, const std::string& allowed) {
    throw std::logic_error(Out_Of_Range(file, key, value, allowed));
}

void Check_Range(const Settings_Text& file, const std::string& key, long value, long lowest, long highest,
                 const std::string& allowed) {
    if (value < lowest || value > highest)
        Reject(file, key, value, allowed);
}

// Config.ini is the player's, often edited by hand and read before anything
// can be shown: a value the game cannot use keeps the built-in one (a volume
// is brought into range) and the log says so once it is open.
void Read_Player_Number(const Settings_Text& file, const char* key, int& setting, const std::string& allowed,
                        bool (*usable)(long), int (*instead)(long, int), std::vector<std::string>& notes) {
    long value = 0;
    if (!Read_Number(file, key, value))
        return;
    if (usable(value)) {
        setting = static_cast<int>(value);
        return;
    }
    setting = instead(value, setting);
    notes.push_back(Out_Of_Range(file, key, value, allowed) + ", " + std::to_string(setting) + " used instead");
}

// 0 lets the display pick the desktop size or depth; anything else must be a real mode.
bool Screen_Size(long value) { return value >= 0 && value <= 16384; }
bool Screen_Depth(long value) {
    return value == 0 || value == 8 || value == 15 || value == 16 || value == 24 || value == 32;
}
bool Volume(long value) { return value >= 0 && value <= 100; }
int Built_In(long, int setting) { return setting; }
int Nearest_Volume(long value, int) { return value < 0 ? 0 : 100; }

void Read_Config(const Settings_Text& file, std::vector<std::string>& notes) {
    using S = Game_Settings;
    Read_Player_Number(file, "SCREEN_WIDTH", S::SCREEN_WIDTH, "0 to 16384", Screen_Size, Built_In, notes);
    Read_Player_Number(file, "SCREEN_HEIGHT", S::SCREEN_HEIGHT, "0 to 16384", Screen_Size, Built_In, notes);
    Read_Player_Number(file, "SCREEN_BPP", S::SCREEN_BPP, "0, 8, 15, 16, 24 or 32", Screen_Depth, Built_In,
                       notes);
    Read_Setting(file, "FULLSCREEN", S::FULLSCREEN);
    S::Current_Screen_Width = S::SCREEN_WIDTH;
    S::Current_Screen_Height = S::SCREEN_HEIGHT;
    S::Current_Screen_BPP = S::SCREEN_BPP;

    const std::pair<const char*, int*> volumes[] = {
        {"ALL_SOUNDS_VOLUME", &S::ALL_SOUNDS_VOLUME}, {"SFXS_VOLUME", &S::SFXS_VOLUME},
        {"MUSIC_VOLUME", &S::MUSIC_VOLUME},           {"VOICE_VOLUME", &S::VOICE_VOLUME},
        {"VIDEO_VOLUME", &S::VIDEO_VOLUME},           {"INTERFACE_VOLUME", &S::INTERFACE_VOLUME}};
    for (const auto& volume : volumes)
        Read_Player_Number(file, volume.first, *volume.second, "0 to 100", Volume, Nearest_Volume, notes);
    Read_Setting(file, "ENABLE_ALL_SOUNDS", S::ENABLE_ALL_SOUNDS);
    Read_Setting(file, "ENABLE_SFXS_SOUNDS", S::ENABLE_SFXS_SOUNDS);
    Read_Setting(file, "ENABLE_MUSIC_SOUNDS", S::ENABLE_MUSIC_SOUNDS);
    Read_Setting(file, "ENABLE_VOICE_SOUNDS", S::ENABLE_VOICE_SOUNDS);
    Read_Setting(file, "ENABLE_VIDEO_SOUNDS", S::ENABLE_VIDEO_SOUNDS);
    Read_Setting(file, "ENABLE_INTERFACE_SOUNDS", S::ENABLE_INTERFACE_SOUNDS);

    Read_Bindings(file, 1);
    Read_Bindings(file, 2);
    // The menu is the only way to the options: a file that lost its last key
    // (hand-edited, or saved before the inputs screen kept one) gets Escape back.
    const auto keyboard = [](const Key_Binding& binding) { return binding.Type == "Key" && binding.Code != 0; };
    if (!keyboard(S::MENU_CALL_1) && !keyboard(S::MENU_CALL_2)) {
        S::MENU_CALL_1 = Key_Binding::From_Value("KESCAPE");
        notes.push_back(file.File + " : MENU_CALL_1 and MENU_CALL_2 bind no key, ESCAPE used instead");
    }
}

// The direction codes are the rows of every animation sheet: each of 0 to 7 exactly once.
void Check_Directions(const Settings_Text& file) {
    using S = Game_Settings;
    const std::pair<const char*, short> codes[] = {
        {"CH_RIGHT", S::CH_RIGHT}, {"CH_RIGHT_DOWN", S::CH_RIGHT_DOWN}, {"CH_DOWN", S::CH_DOWN},
        {"CH_LEFT_DOWN", S::CH_LEFT_DOWN}, {"CH_LEFT", S::CH_LEFT}, {"CH_LEFT_UP", S::CH_LEFT_UP},
        {"CH_UP", S::CH_UP}, {"CH_RIGHT_UP", S::CH_RIGHT_UP}};
    bool seen[8] = {};
    for (const auto& code : codes) {
        Check_Range(file, code.first, code.second, 0, 7, "0 to 7");
        if (seen[code.second])
            Reject(file, code.first, code.second, "each direction code once, 0 to 7");
        seen[code.second] = true;
    }
}

// SDL's timers compare milliseconds as signed 32-bit numbers: a longer
// interval would fire at once, and the cast to the timer's 32 bits wraps.
void Read_Interval(const Settings_Text& file, const char* key, long& setting) {
    long value = 0;
    if (!Read_Number(file, key, value))
        return;
    Check_Range(file, key, value, 0, std::numeric_limits<std::int32_t>::max(), "0 to 2147483647");
    setting = value;
}

void Read_Dev_Config(const std::vector<std::string>& notes) {
    using S = Game_Settings;
    Settings_Text file{Dev_Config_File, ""};
    if (!Read_Whole_File(file.File, file.Text))
        throw std::logic_error(std::string("Can't Read ") + Dev_Config_File + " File");

    Read_Setting(file, "FRAMES_PER_SECOND", S::FRAMES_PER_SECOND);
    Read_Setting(file, "Window_Name", S::Window_Name);
    Read_Setting(file, "CH_RIGHT", S::CH_RIGHT);
    Read_Setting(file, "CH_RIGHT_DOWN", S::CH_RIGHT_DOWN);
    Read_Setting(file, "CH_DOWN", S::CH_DOWN);
    Read_Setting(file, "CH_LEFT_DOWN", S::CH_LEFT_DOWN);
    Read_Setting(file, "CH_LEFT", S::CH_LEFT);
    Read_Setting(file, "CH_LEFT_UP", S::CH_LEFT_UP);
    Read_Setting(file, "CH_UP", S::CH_UP);
    Read_Setting(file, "CH_RIGHT_UP", S::CH_RIGHT_UP);
    Read_Setting(file, "INITIAL_MONSTERS", S::INITIAL_MONSTERS);
    Read_Setting(file, "MAX_MONSTERS_SIMULTANEOUSLY", S::MAX_MONSTERS_SIMULTANEOUSLY);
    Read_Setting(file, "PAUSE_ANIM_TIME", S::PAUSE_ANIM_TIME);
    Read_Setting(file, "AI_CHOOSE_DESTINATION_PS", S::AI_CHOOSE_DESTINATION_PS);
    Read_Setting(file, "DROP_TIME_BF4_EROSION", S::DROP_TIME_BF4_EROSION);
    Read_Setting(file, "BOW_DROP", S::BOW_DROP);
    Read_Setting(file, "BF_Map", S::BF_Map);
    Read_Setting(file, "GLOBAL_GAME_STATE", S::GLOBAL_GAME_STATE);
    Read_Setting(file, "Log_Name", S::Log_Name);

    GLINT::SDL::GameLog.setFile(true);
    GLINT::SDL::GameLog.open(S::Log_Name);
    GLINT::SDL::GameLog.setConsole(false);
    for (const std::string& note : notes)
        GLINT::SDL::GameLog.safeEntry(note);

    // Checked once the log is open, so the reason ends up in it.
    Read_Interval(file, "MONSTERS_GENERATION_INTERVAL", S::MONSTERS_GENERATION_INTERVAL);
    Read_Setting(file, "RESET_STATUS_MSG_INTERVAL", S::RESET_STATUS_MSG_INTERVAL);
    Read_Interval(file, "CHECK_DROPS_EROSION", S::CHECK_DROPS_EROSION);

    // Both are divisors later on.
    Check_Range(file, "FRAMES_PER_SECOND", S::FRAMES_PER_SECOND, 1, std::numeric_limits<int>::max(), "at least 1");
    Check_Range(file, "AI_CHOOSE_DESTINATION_PS", S::AI_CHOOSE_DESTINATION_PS, 1, 6000, "1 to 6000");
    Check_Directions(file);
    // Counts of monsters: a negative one would wrap round in the factories' comparisons.
    Check_Range(file, "INITIAL_MONSTERS", S::INITIAL_MONSTERS, 0, std::numeric_limits<int>::max(), "0 or more");
    Check_Range(file, "MAX_MONSTERS_SIMULTANEOUSLY", S::MAX_MONSTERS_SIMULTANEOUSLY, 0,
                std::numeric_limits<int>::max(), "0 or more");
}

} // namespace

bool Get_Config(bool& mayCreate) {
    try {
        Settings_Text config{Config_File, ""};
        std::vector<std::string> notes;
        if (!Read_Whole_File(config.File, config.Text)) {
            if (!mayCreate)
                return false;
            // Without a window there is no desktop size yet; the built-in size will do.
            int width = Game_Settings::SCREEN_WIDTH;
            int height = Game_Settings::SCREEN_HEIGHT;
            if (const GLINT::SDL::VideoInfo* info = GLINT::SDL::VideoInfo::current()) {
                if (info->getDesktopWidth() > 0 && info->getDesktopHeight() > 0) {
                    width = info->getDesktopWidth();
                    height = info->getDesktopHeight();
                }
            }
            // A folder the player may not write to still gets a playable game.
            config.Text = Default_Config_Text(width, height);
            if (!Write_Config_File(config.File, config.Text))
                notes.push_back(config.File + " can't be written here: the default settings are used for this run");
        }
        Read_Config(config, notes);
        Read_Dev_Config(notes);
        return true;
    } catch (const std::exception& e) {
        std::cout << e.what() << std::endl;
        throw std::logic_error(std::string("Error In Get_Config() : ") + e.what());
    } catch (...) {
        std::cout << "Unknown Exception" << std::endl;
        throw std::logic_error("Unknown Exception In Get_Config()");
    }
}

std::string Get_Config_Value(const std::string& fileName, const std::string& key) {
    std::string text;
    Read_Whole_File(fileName, text);
    return Find_Config_Value(text, key);
}

std::string Find_Config_Value(const std::string& text, const std::string& key) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find('#') != std::string::npos)
            continue;
        // The space right after the key keeps CH_RIGHT off the CH_RIGHT_DOWN line.
        if (line.compare(0, key.size(), key) != 0 || line.size() <= key.size() ||
            line[key.size()] != ' ')
            continue;
        std::size_t equals = line.find_first_not_of(' ', key.size());
        if (equals == std::string::npos || line[equals] != '=')
            continue;
        std::string rest = line.substr(equals + 1);

        std::size_t quote = rest.find('"');
        if (quote != std::string::npos) {
            std::size_t closing = rest.find('"', quote + 1);
            if (closing == std::string::npos)
                return rest;
            return rest.substr(quote + 1, closing - quote - 1);
        }
        std::size_t start = rest.find_first_not_of(' ');
        if (start == std::string::npos)
            return std::string();
        return rest.substr(start, rest.find(' ', start) - start);
    }
    return std::string();
}

bool Write_Config_File(const std::string& fileName, const std::string& text) {
    // Written beside the old file and renamed over it: a crash or a full disk
    // never leaves a half-written Config.ini, the old one stays instead.
    const std::string temporary = fileName + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const ssize_t written = ::write(fd, text.data(), text.size());
    bool ok = written >= 0 && static_cast<std::size_t>(written) == text.size();
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok && std::rename(temporary.c_str(), fileName.c_str()) == 0)
        return true;
    std::remove(temporary.c_str());
    return false;
}

std::string Default_Config_Text(int width, int height) {
    std::string text = "#screen def\n";
    text += "SCREEN_WIDTH = " + std::to_string(width) + "\n";
    text += "SCREEN_HEIGHT = " + std::to_string(height) + "\n";
    text += "SCREEN_BPP = 16\n"
            "FULLSCREEN = 1\n"
            "\n"
            "#Audio\n"
            "ALL_SOUNDS_VOLUME = 100\n"
            "SFXS_VOLUME = 100\n"
            "MUSIC_VOLUME = 100\n"
            "VOICE_VOLUME = 100\n"
            "VIDEO_VOLUME = 100\n"
            "INTERFACE_VOLUME = 100\n"
            "ENABLE_ALL_SOUNDS = 1\n"
            "ENABLE_SFXS_SOUNDS = 1\n"
            "ENABLE_MUSIC_SOUNDS = 1\n"
            "ENABLE_VOICE_SOUNDS = 1\n"
            "ENABLE_VIDEO_SOUNDS = 1\n"
            "ENABLE_INTERFACE_SOUNDS = 1\n"
            "\n"
            "###KEYS NAMES ARE ALL CAPITALIZED EXCEPT LETTERS NAME###\n"
            "#Keys 1\n"
            "UP_1 = KW\n"
            "DOWN_1 = KS\n"
            "LEFT_1 = KQ\n"
            "RIGHT_1 = KE\n"
            "ATTACK_1 = KLCTRL\n"
            "DRAW_MELEE_W_1 = KKP1\n"
            "DRAW_DISTANT_W_1 = KKP2\n"
            "DRAW_THROW_W_1 = KKP3\n"
            "DRAW_MAGIC_SPELL_1 = KKP4\n"
            "HIDE_WEAPON_1 = KR\n"
            "MENU_CALL_1 = KESCAPE\n"
            "WINDOW_MODE_1 = KF11\n"
            "INVENTORY_1 = KI\n"
            "CHARACTERISTICS_1 = KC\n"
            "RUN_1 = KLSHIFT\n"
            "HEAL_1 = KH\n"
            "ACTION_1 = KLALT\n"
            "\n"
            "#Keys 2\n"
            "UP_2 = KUP\n"
            "DOWN_2 = KDOWN\n"
            "LEFT_2 = KLEFT\n"
            "RIGHT_2 = KRIGHT\n"
            "ATTACK_2 = KRCTRL\n"
            "DRAW_MELEE_W_2 = \n"
            "DRAW_DISTANT_W_2 = \n"
            "DRAW_THROW_W_2 = \n"
            "DRAW_MAGIC_SPELL_2 = \n"
            "HIDE_WEAPON_2 = \n"
            "MENU_CALL_2 = \n"
            "WINDOW_MODE_2 = \n"
            "INVENTORY_2 = \n"
            "CHARACTERISTICS_2 = \n"
            "RUN_2 = \n"
            "HEAL_2 = \n"
            "ACTION_2 = KRALT\n";
    return text;
}
