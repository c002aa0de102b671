#include "interface/Config_Writer.hpp"

#include "media/ButtonNames.hpp"
#include "media/KeyNames.hpp"
#include "shell/Config.hpp"
#include "shell/Game_Settings.hpp"

const char* const Config_Writer::File = "Config.ini";

namespace {

std::string Setting(const char* key, int value) { return std::string(key) + " = " + std::to_string(value) + "\n"; }

std::string Keys(int set) {
    std::string text;
    for (const Game_Settings::Key_Action& action : Game_Settings::Key_Actions()) {
        const Key_Binding& binding = set == 1 ? *action.Set_1 : *action.Set_2;
        // An unbound key keeps the space after "=", as in the file the game creates.
        text += std::string(action.Name) + "_" + std::to_string(set) + " = " + Config_Writer::Value(binding) + "\n";
    }
    return text;
}

} // namespace

std::string Config_Writer::Value(const Key_Binding& binding) {
    if (binding.Code == 0)
        return std::string();
    if (binding.Type == "Button")
        return GLINT::SDL::ButtonNames::name(binding.Code);
    return GLINT::SDL::KeyNames::name(binding.Code);
}

std::string Config_Writer::Text() {
    using S = Game_Settings;
    std::string text = "#screen def\n";
    text += Setting("SCREEN_WIDTH", S::SCREEN_WIDTH);
    text += Setting("SCREEN_HEIGHT", S::SCREEN_HEIGHT);
    text += Setting("SCREEN_BPP", S::SCREEN_BPP);
    text += Setting("FULLSCREEN", S::FULLSCREEN);
    text += "\n#Audio\n";
    text += Setting("ALL_SOUNDS_VOLUME", S::ALL_SOUNDS_VOLUME);
    text += Setting("SFXS_VOLUME", S::SFXS_VOLUME);
    text += Setting("MUSIC_VOLUME", S::MUSIC_VOLUME);
    text += Setting("VOICE_VOLUME", S::VOICE_VOLUME);
    text += Setting("VIDEO_VOLUME", S::VIDEO_VOLUME);
    text += Setting("INTERFACE_VOLUME", S::INTERFACE_VOLUME);
    text += Setting("ENABLE_ALL_SOUNDS", S::ENABLE_ALL_SOUNDS);
    text += Setting("ENABLE_SFXS_SOUNDS", S::ENABLE_SFXS_SOUNDS);
    text += Setting("ENABLE_MUSIC_SOUNDS", S::ENABLE_MUSIC_SOUNDS);
    text += Setting("ENABLE_VOICE_SOUNDS", S::ENABLE_VOICE_SOUNDS);
    text += Setting("ENABLE_VIDEO_SOUNDS", S::ENABLE_VIDEO_SOUNDS);
    text += Setting("ENABLE_INTERFACE_SOUNDS", S::ENABLE_INTERFACE_SOUNDS);
    text += "\n###KEYS NAMES ARE ALL CAPITALIZED EXCEPT LETTERS NAME###\n#Keys 1\n";
    text += Keys(1);
    text += "\n#Keys 2\n";
    text += Keys(2);
    return text;
}

bool Config_Writer::Save(std::string& error, const std::string& fileName) {
    if (Write_Config_File(fileName, Text()))
        return true;
    error = "Can't Write " + fileName + " : the old file is kept";
    return false;
}
