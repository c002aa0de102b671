// The character loader on a fuzzed description file, with the shipped
// animation files it names.

#include <cstdint>
#include <list>
#include <stdexcept>

#include "Fuzz_World.hpp"
#include "characters/Animation_Set.hpp"
#include "characters/CH_Base_All_Infos.hpp"
#include "characters/Character.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Enter_World();
    const std::string file = fuzz::Write("Data/Characters/Fuzz_Character.xml", data, size);
    CH_Base_All_Infos infos;
    Point_List positions;
    std::list<Point_List> paths;
    Animation_Set primary, secondary;
    try {
        Character::Get_CH_Infos_From_Desc_File(file, infos, positions, paths, primary, secondary);
    } catch (const std::logic_error&) {
    }
    primary.Clear();
    secondary.Clear();
    return 0;
}
