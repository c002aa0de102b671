#pragma once

#include <array>
#include <atomic>
#include <string>

#include "shell/Key_Binding.hpp"

// The program-wide values of Config.ini and Config/Dev_Config.ini, one per
// key and named after it. Get_Config fills them at start; the options screens
// change the player's part later. The built-in values are set while this
// program's static objects are constructed, so read them only once main runs.
class Game_Settings {
public:
    // Config.ini: screen
    static int SCREEN_WIDTH;
    static int SCREEN_HEIGHT;
    static int SCREEN_BPP;
    static bool FULLSCREEN;

    // The size the window has now; follows every resize.
    static int Current_Screen_Width;
    static int Current_Screen_Height;
    static int Current_Screen_BPP;

    // Config.ini: audio, volumes in percent
    static int ALL_SOUNDS_VOLUME;
    static int SFXS_VOLUME;
    static int MUSIC_VOLUME;
    static int VOICE_VOLUME;
    static int VIDEO_VOLUME;
    static int INTERFACE_VOLUME;
    static bool ENABLE_ALL_SOUNDS;
    static bool ENABLE_SFXS_SOUNDS;
    static bool ENABLE_MUSIC_SOUNDS;
    static bool ENABLE_VOICE_SOUNDS;
    static bool ENABLE_VIDEO_SOUNDS;
    static bool ENABLE_INTERFACE_SOUNDS;

    // Config.ini: the two bindings of each action
    static Key_Binding UP_1, DOWN_1, LEFT_1, RIGHT_1, ATTACK_1, DRAW_MELEE_W_1, DRAW_DISTANT_W_1,
        DRAW_THROW_W_1, DRAW_MAGIC_SPELL_1, HIDE_WEAPON_1, MENU_CALL_1, WINDOW_MODE_1, INVENTORY_1,
        CHARACTERISTICS_1, RUN_1, HEAL_1, ACTION_1;
    static Key_Binding UP_2, DOWN_2, LEFT_2, RIGHT_2, ATTACK_2, DRAW_MELEE_W_2, DRAW_DISTANT_W_2,
        DRAW_THROW_W_2, DRAW_MAGIC_SPELL_2, HIDE_WEAPON_2, MENU_CALL_2, WINDOW_MODE_2, INVENTORY_2,
        CHARACTERISTICS_2, RUN_2, HEAL_2, ACTION_2;

    // Config/Dev_Config.ini
    static int FRAMES_PER_SECOND;
    static std::string Window_Name;
    static short CH_RIGHT, CH_RIGHT_DOWN, CH_DOWN, CH_LEFT_DOWN, CH_LEFT, CH_LEFT_UP, CH_UP,
        CH_RIGHT_UP;
    static int INITIAL_MONSTERS;
    static int MAX_MONSTERS_SIMULTANEOUSLY;
    static unsigned int PAUSE_ANIM_TIME;
    static unsigned short AI_CHOOSE_DESTINATION_PS;
    static unsigned int DROP_TIME_BF4_EROSION;
    static unsigned int BOW_DROP;
    static std::string BF_Map;
    // Written by the main thread, read by the timer callbacks.
    static std::atomic<int> GLOBAL_GAME_STATE;
    static std::string Log_Name;
    static long MONSTERS_GENERATION_INTERVAL;
    static long RESET_STATUS_MSG_INTERVAL;
    static long CHECK_DROPS_EROSION;

    // The seventeen actions in Config.ini order, each with its two bindings;
    // Config.ini's keys are Name + "_1" and Name + "_2".
    struct Key_Action {
        const char* Name;
        Key_Binding* Set_1;
        Key_Binding* Set_2;
    };
    static const std::array<Key_Action, 17>& Key_Actions();

    // Puts every value back to its built-in default, the state before Get_Config.
    static void Reset();
};
