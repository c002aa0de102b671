// The XML option reader's operations on any file: validation, presence,
// text and numbers of the keys the game asks for.

#include <cstdint>
#include <stdexcept>

#include "Fuzz_World.hpp"
#include "data/XML_Manager.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Enter_World();
    // Two folders deep under Data/, as the animation files: "../../DTD/..." resolves.
    const std::string file = fuzz::Write("Data/Characters/Worm/Fuzz_Reader.xml", data, size);
    try {
        XML_Manager::Validate_File(file);
    } catch (const std::logic_error&) {
    }
    for (const char* name : {"Frames", "Width", "Life", "BF_Width", "Name", "Animation_TS_Filename", "ColorKey_R",
                             "Background_Sprite_X", "Attitude_Position_Coord_X", "Type", "", "Missing"}) {
        XML_Manager::Check_Node_Exists(file, name);
        try {
            XML_Manager::Get_Option_String(file, name);
        } catch (const std::logic_error&) {
        }
        try {
            XML_Manager::Get_Option_Value(file, name);
            XML_Manager::Get_Option_Value_Long(file, name);
        } catch (const std::logic_error&) {
        }
    }
    return 0;
}
