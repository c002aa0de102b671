#include "shell/Config.hpp"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

#include "media/Logger.hpp"
#include "media/VideoInfo.hpp"
#include "shell/Game_Settings.hpp"

namespace {

const char* const Config_File = "Config.ini";
const char* const Dev_Config_File = "Config/Dev_Config.ini";

// Leaves the setting alone when the value is missing or not a T.
template <class T>
void Read_Setting(const std::string& fileName, const std::string& key, T& setting) {
    std::istringstream in(Get_Config_Value(fileName, key));
    T value;
    if (in >> value)
        setting = value;
}

void Read_Setting(const std::string& fileName, const std::string& key, std::string& setting) {
    setting = Get_Config_Value(fileName, key);
}

void Read_Setting(const std::string& fileName, const std::string& key, std::atomic<int>& setting) {
    int value = setting;
    Read_Setting(fileName, key, value);
    setting = value;
}

void Read_Bindings(int set) {
    for (const Game_Settings::Key_Action& action : Game_Settings::Key_Actions()) {
        std::string key = std::string(action.Name) + "_" + std::to_string(set);
        Key_Binding* binding = set == 1 ? action.Set_1 : action.Set_2;
        *binding = Key_Binding::From_Value(Get_Config_Value(Config_File, key));
    }
}

// A value the game cannot run with stops the start with the file, the key and
// what is allowed, rather than failing later in a less clear place.
[[noreturn]] void Reject(const std::string& fileName, const std::string& key, long value,
                         const std::string& allowed) {
    std::string shown = Get_Config_Value(fileName, key);
    if (shown.empty())
        shown = std::to_string(value);
    throw std::logic_error(fileName + " : " + key + " = " + shown + " is out of range (" + allowed + ")");
}

void Check_Range(const std::string& fileName, const std::string& key, long value, long lowest,
                 long highest, const std::string& allowed) {
    if (value < lowest || value > highest)
        Reject(fileName, key, value, allowed);
}

void Read_Config() {
    using S = Game_Settings;
    Read_Setting(Config_File, "SCREEN_WIDTH", S::SCREEN_WIDTH);
    Read_Setting(Config_File, "SCREEN_HEIGHT", S::SCREEN_HEIGHT);
    Read_Setting(Config_File, "SCREEN_BPP", S::SCREEN_BPP);
    Read_Setting(Config_File, "FULLSCREEN", S::FULLSCREEN);
    S::Current_Screen_Width = S::SCREEN_WIDTH;
    S::Current_Screen_Height = S::SCREEN_HEIGHT;
    S::Current_Screen_BPP = S::SCREEN_BPP;

    Read_Setting(Config_File, "ALL_SOUNDS_VOLUME", S::ALL_SOUNDS_VOLUME);
    Read_Setting(Config_File, "SFXS_VOLUME", S::SFXS_VOLUME);
    Read_Setting(Config_File, "MUSIC_VOLUME", S::MUSIC_VOLUME);
    Read_Setting(Config_File, "VOICE_VOLUME", S::VOICE_VOLUME);
    Read_Setting(Config_File, "VIDEO_VOLUME", S::VIDEO_VOLUME);
    Read_Setting(Config_File, "INTERFACE_VOLUME", S::INTERFACE_VOLUME);
    Read_Setting(Config_File, "ENABLE_ALL_SOUNDS", S::ENABLE_ALL_SOUNDS);
    Read_Setting(Config_File, "ENABLE_SFXS_SOUNDS", S::ENABLE_SFXS_SOUNDS);
    Read_Setting(Config_File, "ENABLE_MUSIC_SOUNDS", S::ENABLE_MUSIC_SOUNDS);
    Read_Setting(Config_File, "ENABLE_VOICE_SOUNDS", S::ENABLE_VOICE_SOUNDS);
    Read_Setting(Config_File, "ENABLE_VIDEO_SOUNDS", S::ENABLE_VIDEO_SOUNDS);
    Read_Setting(Config_File, "ENABLE_INTERFACE_SOUNDS", S::ENABLE_INTERFACE_SOUNDS);

    Read_Bindings(1);
    Read_Bindings(2);

    // 0 lets the display pick the desktop size or depth; anything else must be a real mode.
    Check_Range(Config_File, "SCREEN_WIDTH", S::SCREEN_WIDTH, 0, 16384, "0 to 16384");
    Check_Range(Config_File, "SCREEN_HEIGHT", S::SCREEN_HEIGHT, 0, 16384, "0 to 16384");
    const int bpp = S::SCREEN_BPP;
    if (bpp != 0 && bpp != 8 && bpp != 15 && bpp != 16 && bpp != 24 && bpp != 32)
        Reject(Config_File, "SCREEN_BPP", bpp, "0, 8, 15, 16, 24 or 32");
    for (const auto& volume : {std::make_pair("ALL_SOUNDS_VOLUME", S::ALL_SOUNDS_VOLUME),
                               std::make_pair("SFXS_VOLUME", S::SFXS_VOLUME),
                               std::make_pair("MUSIC_VOLUME", S::MUSIC_VOLUME),
                               std::make_pair("VOICE_VOLUME", S::VOICE_VOLUME),
                               std::make_pair("VIDEO_VOLUME", S::VIDEO_VOLUME),
                               std::make_pair("INTERFACE_VOLUME", S::INTERFACE_VOLUME)})
        Check_Range(Config_File, volume.first, volume.second, 0, 100, "0 to 100");
}

// The direction codes are the rows of every animation sheet: each of 0 to 7 exactly once.
void Check_Directions() {
    using S = Game_Settings;
    const std::pair<const char*, short> codes[] = {
        {"CH_RIGHT", S::CH_RIGHT}, {"CH_RIGHT_DOWN", S::CH_RIGHT_DOWN}, {"CH_DOWN", S::CH_DOWN},
        {"CH_LEFT_DOWN", S::CH_LEFT_DOWN}, {"CH_LEFT", S::CH_LEFT}, {"CH_LEFT_UP", S::CH_LEFT_UP},
        {"CH_UP", S::CH_UP}, {"CH_RIGHT_UP", S::CH_RIGHT_UP}};
    bool seen[8] = {};
    for (const auto& code : codes) {
        Check_Range(Dev_Config_File, code.first, code.second, 0, 7, "0 to 7");
        if (seen[code.second])
            Reject(Dev_Config_File, code.first, code.second, "each direction code once, 0 to 7");
        seen[code.second] = true;
    }
}

void Read_Dev_Config() {
    using S = Game_Settings;
    if (!std::ifstream(Dev_Config_File))
        throw std::logic_error(std::string("Can't Read ") + Dev_Config_File + " File");

    Read_Setting(Dev_Config_File, "FRAMES_PER_SECOND", S::FRAMES_PER_SECOND);
    Read_Setting(Dev_Config_File, "Window_Name", S::Window_Name);
    Read_Setting(Dev_Config_File, "CH_RIGHT", S::CH_RIGHT);
    Read_Setting(Dev_Config_File, "CH_RIGHT_DOWN", S::CH_RIGHT_DOWN);
    Read_Setting(Dev_Config_File, "CH_DOWN", S::CH_DOWN);
    Read_Setting(Dev_Config_File, "CH_LEFT_DOWN", S::CH_LEFT_DOWN);
    Read_Setting(Dev_Config_File, "CH_LEFT", S::CH_LEFT);
    Read_Setting(Dev_Config_File, "CH_LEFT_UP", S::CH_LEFT_UP);
    Read_Setting(Dev_Config_File, "CH_UP", S::CH_UP);
    Read_Setting(Dev_Config_File, "CH_RIGHT_UP", S::CH_RIGHT_UP);
    Read_Setting(Dev_Config_File, "INITIAL_MONSTERS", S::INITIAL_MONSTERS);
    Read_Setting(Dev_Config_File, "MAX_MONSTERS_SIMULTANEOUSLY", S::MAX_MONSTERS_SIMULTANEOUSLY);
    Read_Setting(Dev_Config_File, "PAUSE_ANIM_TIME", S::PAUSE_ANIM_TIME);
    Read_Setting(Dev_Config_File, "AI_CHOOSE_DESTINATION_PS", S::AI_CHOOSE_DESTINATION_PS);
    Read_Setting(Dev_Config_File, "DROP_TIME_BF4_EROSION", S::DROP_TIME_BF4_EROSION);
    Read_Setting(Dev_Config_File, "BOW_DROP", S::BOW_DROP);
    Read_Setting(Dev_Config_File, "BF_Map", S::BF_Map);
    Read_Setting(Dev_Config_File, "GLOBAL_GAME_STATE", S::GLOBAL_GAME_STATE);
    Read_Setting(Dev_Config_File, "Log_Name", S::Log_Name);

    GLINT::SDL::GameLog.setFile(true);
    GLINT::SDL::GameLog.open(S::Log_Name);
    GLINT::SDL::GameLog.setConsole(false);

    Read_Setting(Dev_Config_File, "MONSTERS_GENERATION_INTERVAL", S::MONSTERS_GENERATION_INTERVAL);
    Read_Setting(Dev_Config_File, "RESET_STATUS_MSG_INTERVAL", S::RESET_STATUS_MSG_INTERVAL);
    Read_Setting(Dev_Config_File, "CHECK_DROPS_EROSION", S::CHECK_DROPS_EROSION);

    // Checked once the log is open, so the reason ends up in it.
    // Both are divisors later on.
    Check_Range(Dev_Config_File, "FRAMES_PER_SECOND", S::FRAMES_PER_SECOND, 1,
                std::numeric_limits<int>::max(), "at least 1");
    Check_Range(Dev_Config_File, "AI_CHOOSE_DESTINATION_PS", S::AI_CHOOSE_DESTINATION_PS, 1, 6000,
                "1 to 6000");
    Check_Directions();
    // Counts of monsters: a negative one would wrap round in the factories' comparisons.
    Check_Range(Dev_Config_File, "INITIAL_MONSTERS", S::INITIAL_MONSTERS, 0, std::numeric_limits<int>::max(), "0 or more");
    Check_Range(Dev_Config_File, "MAX_MONSTERS_SIMULTANEOUSLY", S::MAX_MONSTERS_SIMULTANEOUSLY, 0,
                std::numeric_limits<int>::max(), "0 or more");
}

} // namespace

bool Get_Config(bool& mayCreate) {
    try {
        if (!std::ifstream(Config_File)) {
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
            Write_Config_File(Config_File, Default_Config_Text(width, height));
        }
        Read_Config();
        Read_Dev_Config();
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
    std::ifstream file(fileName.c_str());
    std::string line;
    while (std::getline(file, line)) {
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
