#include "shell/Game_Settings.hpp"

int Game_Settings::SCREEN_WIDTH;
int Game_Settings::SCREEN_HEIGHT;
int Game_Settings::SCREEN_BPP;
bool Game_Settings::FULLSCREEN;
int Game_Settings::Current_Screen_Width;
int Game_Settings::Current_Screen_Height;
int Game_Settings::Current_Screen_BPP;

int Game_Settings::ALL_SOUNDS_VOLUME;
int Game_Settings::SFXS_VOLUME;
int Game_Settings::MUSIC_VOLUME;
int Game_Settings::VOICE_VOLUME;
int Game_Settings::VIDEO_VOLUME;
int Game_Settings::INTERFACE_VOLUME;
bool Game_Settings::ENABLE_ALL_SOUNDS;
bool Game_Settings::ENABLE_SFXS_SOUNDS;
bool Game_Settings::ENABLE_MUSIC_SOUNDS;
bool Game_Settings::ENABLE_VOICE_SOUNDS;
bool Game_Settings::ENABLE_VIDEO_SOUNDS;
bool Game_Settings::ENABLE_INTERFACE_SOUNDS;

Key_Binding Game_Settings::UP_1, Game_Settings::DOWN_1, Game_Settings::LEFT_1,
    Game_Settings::RIGHT_1, Game_Settings::ATTACK_1, Game_Settings::DRAW_MELEE_W_1,
    Game_Settings::DRAW_DISTANT_W_1, Game_Settings::DRAW_THROW_W_1,
    Game_Settings::DRAW_MAGIC_SPELL_1, Game_Settings::HIDE_WEAPON_1, Game_Settings::MENU_CALL_1,
    Game_Settings::WINDOW_MODE_1, Game_Settings::INVENTORY_1, Game_Settings::CHARACTERISTICS_1,
    Game_Settings::RUN_1, Game_Settings::HEAL_1, Game_Settings::ACTION_1;
Key_Binding Game_Settings::UP_2, Game_Settings::DOWN_2, Game_Settings::LEFT_2,
    Game_Settings::RIGHT_2, Game_Settings::ATTACK_2, Game_Settings::DRAW_MELEE_W_2,
    Game_Settings::DRAW_DISTANT_W_2, Game_Settings::DRAW_THROW_W_2,
    Game_Settings::DRAW_MAGIC_SPELL_2, Game_Settings::HIDE_WEAPON_2, Game_Settings::MENU_CALL_2,
    Game_Settings::WINDOW_MODE_2, Game_Settings::INVENTORY_2, Game_Settings::CHARACTERISTICS_2,
    Game_Settings::RUN_2, Game_Settings::HEAL_2, Game_Settings::ACTION_2;

int Game_Settings::FRAMES_PER_SECOND;
std::string Game_Settings::Window_Name;
short Game_Settings::CH_RIGHT, Game_Settings::CH_RIGHT_DOWN, Game_Settings::CH_DOWN,
    Game_Settings::CH_LEFT_DOWN, Game_Settings::CH_LEFT, Game_Settings::CH_LEFT_UP,
    Game_Settings::CH_UP, Game_Settings::CH_RIGHT_UP;
int Game_Settings::INITIAL_MONSTERS;
int Game_Settings::MAX_MONSTERS_SIMULTANEOUSLY;
unsigned int Game_Settings::PAUSE_ANIM_TIME;
unsigned short Game_Settings::AI_CHOOSE_DESTINATION_PS;
unsigned int Game_Settings::DROP_TIME_BF4_EROSION;
unsigned int Game_Settings::BOW_DROP;
std::string Game_Settings::BF_Map;
std::atomic<int> Game_Settings::GLOBAL_GAME_STATE;
std::string Game_Settings::Log_Name;
long Game_Settings::MONSTERS_GENERATION_INTERVAL;
long Game_Settings::RESET_STATUS_MSG_INTERVAL;
long Game_Settings::CHECK_DROPS_EROSION;

const std::array<Game_Settings::Key_Action, 17>& Game_Settings::Key_Actions() {
    static const std::array<Key_Action, 17> actions = {{
        {"UP", &UP_1, &UP_2},
        {"DOWN", &DOWN_1, &DOWN_2},
        {"LEFT", &LEFT_1, &LEFT_2},
        {"RIGHT", &RIGHT_1, &RIGHT_2},
        {"ATTACK", &ATTACK_1, &ATTACK_2},
        {"DRAW_MELEE_W", &DRAW_MELEE_W_1, &DRAW_MELEE_W_2},
        {"DRAW_DISTANT_W", &DRAW_DISTANT_W_1, &DRAW_DISTANT_W_2},
        {"DRAW_THROW_W", &DRAW_THROW_W_1, &DRAW_THROW_W_2},
        {"DRAW_MAGIC_SPELL", &DRAW_MAGIC_SPELL_1, &DRAW_MAGIC_SPELL_2},
        {"HIDE_WEAPON", &HIDE_WEAPON_1, &HIDE_WEAPON_2},
        {"MENU_CALL", &MENU_CALL_1, &MENU_CALL_2},
        {"WINDOW_MODE", &WINDOW_MODE_1, &WINDOW_MODE_2},
        {"INVENTORY", &INVENTORY_1, &INVENTORY_2},
        {"CHARACTERISTICS", &CHARACTERISTICS_1, &CHARACTERISTICS_2},
        {"RUN", &RUN_1, &RUN_2},
        {"HEAL", &HEAL_1, &HEAL_2},
        {"ACTION", &ACTION_1, &ACTION_2},
    }};
    return actions;
}

// The one list of built-in values; the definitions above only reserve storage.
void Game_Settings::Reset() {
    SCREEN_WIDTH = 1024;
    SCREEN_HEIGHT = 768;
    SCREEN_BPP = 16;
    FULLSCREEN = true;
    Current_Screen_Width = SCREEN_WIDTH;
    Current_Screen_Height = SCREEN_HEIGHT;
    Current_Screen_BPP = SCREEN_BPP;

    ALL_SOUNDS_VOLUME = SFXS_VOLUME = MUSIC_VOLUME = VOICE_VOLUME = VIDEO_VOLUME =
        INTERFACE_VOLUME = 100;
    ENABLE_ALL_SOUNDS = ENABLE_SFXS_SOUNDS = ENABLE_MUSIC_SOUNDS = ENABLE_VOICE_SOUNDS =
        ENABLE_VIDEO_SOUNDS = ENABLE_INTERFACE_SOUNDS = true;

    for (const Key_Action& action : Key_Actions()) {
        *action.Set_1 = Key_Binding();
        *action.Set_2 = Key_Binding();
    }

    FRAMES_PER_SECOND = 0;
    Window_Name = "Varnholt";
    CH_RIGHT = CH_RIGHT_DOWN = CH_DOWN = CH_LEFT_DOWN = 0;
    CH_LEFT = CH_LEFT_UP = CH_UP = CH_RIGHT_UP = 0;
    INITIAL_MONSTERS = 0;
    MAX_MONSTERS_SIMULTANEOUSLY = 0;
    PAUSE_ANIM_TIME = 0;
    AI_CHOOSE_DESTINATION_PS = 0;
    DROP_TIME_BF4_EROSION = 0;
    BOW_DROP = 0;
    BF_Map.clear();
    GLOBAL_GAME_STATE = 3;
    Log_Name = "Varnholt.Log";
    MONSTERS_GENERATION_INTERVAL = 0;
    RESET_STATUS_MSG_INTERVAL = 0;
    CHECK_DROPS_EROSION = 0;
}

namespace {
// Runs during static initialisation, right after the definitions above.
[[maybe_unused]] const bool builtInValuesSet = (Game_Settings::Reset(), true);
} // namespace
