// Config.ini as a player may leave it: every value read and converted as the
// game reads it, key bindings included. Dev_Config.ini is the shipped one (its
// Log_Name decides where the log goes, which a fuzzer must not choose).

#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>

#include "Fuzz_World.hpp"
#include "shell/Config.hpp"
#include "shell/Game_Settings.hpp"
#include "shell/Key_Binding.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Enter_World();
    fuzz::Write("Config.ini", data, size);
    // The developer's keys through the same value reader, without Get_Config acting on them.
    fuzz::Write("Fuzz_Dev_Config.ini", data, size);
    for (const char* key : {"FRAMES_PER_SECOND", "Window_Name", "CH_RIGHT", "INITIAL_MONSTERS", "BF_Map",
                            "Log_Name", "MONSTERS_GENERATION_INTERVAL", "CH_RIGHT_DOWN"}) {
        std::istringstream in(Get_Config_Value("Fuzz_Dev_Config.ini", key));
        int value = 0;
        in >> value;
    }
    for (const Game_Settings::Key_Action& action : Game_Settings::Key_Actions())
        for (int set = 1; set <= 2; ++set)
            Key_Binding::From_Value(Get_Config_Value("Config.ini", std::string(action.Name) + "_" + std::to_string(set)));
    try {
        bool mayCreate = false;
        Get_Config(mayCreate);
    } catch (const std::logic_error&) {
    }
    Game_Settings::Reset();
    return 0;
}
