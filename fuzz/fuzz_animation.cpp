// The animation loader on a fuzzed animation file, named by a centre file
// beside the worm's pictures.

#include <cstdint>
#include <fstream>
#include <stdexcept>

#include "Fuzz_World.hpp"
#include "characters/Character_Animation.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Enter_World();
    static const bool centre = [] {
        std::ofstream("Data/Characters/Worm/Fuzz_Center.xml")
            << "<Animation_Center><Stop_Animation_Filename>Fuzz_Animation.xml</Stop_Animation_Filename>"
               "</Animation_Center>\n";
        return true;
    }();
    (void)centre;
    fuzz::Write("Data/Characters/Worm/Fuzz_Animation.xml", data, size);
    try {
        Character_Animation animation("Data/Characters/Worm/Fuzz_Center.xml", "Stop_Animation_Filename",
                                      "Data/Characters/Worm/");
    } catch (const std::logic_error&) {
    }
    return 0;
}
