// The battlefield loader on a fuzzed description file: size, mapping file,
// both layers and their sprites (the shipped mapping and sprite files).

#include <cstdint>
#include <stdexcept>

#include "Fuzz_World.hpp"
#include "ai/Characters_Map.hpp"
#include "battlefield/BattleField.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Enter_World();
    const std::string file = fuzz::Write("Data/Battlefield/Fuzz_BF.xml", data, size);
    try {
        BattleField field(file);
    } catch (const std::logic_error&) {
    }
    return 0;
}
