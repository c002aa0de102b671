#include "characters/Character_Animation.hpp"

#include <cstdint>
#include <stdexcept>
#include <string>

#include <SDL/SDL.h>

#include "data/XML_Manager.hpp"
#include "shell/Error_Chain.hpp"

namespace {

const int Directions = 8;

Sint16 Read_Modifier(const std::string& file, const char* name) {
    return XML_Manager::Check_Node_Exists(file, name) ? static_cast<Sint16>(XML_Manager::Get_Option_Value(file, name))
                                                      : Sint16(0);
}

} // namespace

Character_Animation::Character_Animation(const std::string& descriptionFile, const char* key,
                                         const std::string& folder) {
    try {
        Chain_Errors("Error In Character_Animation Constructor : ", "Unhandeled Error In Character_Animation Constructor",
                     [&] {
                         // An empty name would leave the folder itself to be read, and the
                         // error would name a folder instead of the file that lacks the name.
                         const auto named = [](const std::string& file, const char* option) {
                             std::string name = XML_Manager::Get_Option_String(file, option);
                             if (name.empty())
                                 throw std::logic_error(std::string("Empty ") + option + " In File " + file);
                             return name;
                         };
                         File = folder + named(descriptionFile, key);
                         XML_Manager::Validate_File(File);

                         const std::string sheetFile = folder + named(File, "Animation_TS_Filename");
                         if (XML_Manager::Check_Node_Exists(File, "TS_ColorKey_RGB")) {
                             const GLINT::SDL::RGBAColor key(
                                 static_cast<Uint8>(XML_Manager::Get_Option_Value(File, "ColorKey_R")),
                                 static_cast<Uint8>(XML_Manager::Get_Option_Value(File, "ColorKey_G")),
                                 static_cast<Uint8>(XML_Manager::Get_Option_Value(File, "ColorKey_B")), 255);
                             Sheet = new GLINT::SDL::RGBSurface(key, sheetFile);
                         } else {
                             Sheet = new GLINT::SDL::RGBSurface(sheetFile);
                         }
                         // Blitted every frame: convert once when there is a display to convert to.
                         if (SDL_GetVideoSurface())
                             Sheet->convertToDisplayFormat();

                         Frames = XML_Manager::Get_Option_Value(File, "Frames");
                         if (Frames < 1)
                             throw std::logic_error("Animation has less than one frame !");

                         KeyFrame = XML_Manager::Check_Node_Exists(File, "KeyFrame")
                                        ? XML_Manager::Get_Option_Value(File, "KeyFrame")
                                        : 0;
                         // A key frame the sheet never reaches would make the attack strike nothing.
                         if (KeyFrame < 0 || KeyFrame >= Frames)
                             throw std::logic_error("KeyFrame " + std::to_string(KeyFrame) + " outside the " +
                                                    std::to_string(Frames) + " frames of " + File);

                         if (Frames > 1) {
                             if (!XML_Manager::Check_Node_Exists(File, "Frames_Interval"))
                                 throw std::logic_error(
                                     "Frames_Interval not set but the animation has more than one frame!");
                             const long interval = XML_Manager::Get_Option_Value_Long(File, "Frames_Interval");
                             if (interval < 0 || static_cast<unsigned long>(interval) > UINT32_MAX)
                                 throw std::logic_error("Frames_Interval " + std::to_string(interval) +
                                                        " outside 0-4294967295 ms in " + File);
                             Frames_Interval = static_cast<Uint32>(interval);
                         }

                         Width = XML_Manager::Get_Option_Value(File, "Width");
                         Height = XML_Manager::Get_Option_Value(File, "Height");
                         if (Width <= 0 || Height <= 0)
                             throw std::logic_error("Width and Height must be positive in " + File);
                         // Every frame of the table must lie inside the sheet.
                         if (Sheet->getWidth() < Frames * Width || Sheet->getHeight() < Directions * Height)
                             throw std::logic_error("Sheet " + sheetFile + " smaller than " + std::to_string(Frames) +
                                                    " x 8 frames of " + std::to_string(Width) + "x" +
                                                    std::to_string(Height) + " in " + File);

                         Frame_Table.reserve(static_cast<std::size_t>(Directions * Frames));
                         for (int d = 0; d < Directions; ++d)
                             for (int f = 0; f < Frames; ++f)
                                 Frame_Table.emplace_back(static_cast<Sint16>(f * Width), static_cast<Sint16>(d * Height),
                                                          static_cast<Uint16>(Width), static_cast<Uint16>(Height));

                         if (XML_Manager::Check_Node_Exists(File, "Coordinates_n_CB_Modifier")) {
                             X_Modifier = Read_Modifier(File, "X_Modifier");
                             Y_Modifier = Read_Modifier(File, "Y_Modifier");
                             CB_X_Modifier = Read_Modifier(File, "CB_X_Modifier");
                             CB_Y_Modifier = Read_Modifier(File, "CB_Y_Modifier");
                             CB_W_Modifier = Read_Modifier(File, "CB_W_Modifier");
                             CB_H_Modifier = Read_Modifier(File, "CB_H_Modifier");
                         }
                     });
    } catch (...) {
        delete Sheet;
        Sheet = nullptr;
        throw;
    }
}

Character_Animation::~Character_Animation() { delete Sheet; }

const GLINT::SDL::Rect& Character_Animation::Frame(int direction, int frame) const {
    // A facing or frame outside the table reads its first entry rather than past its end.
    if (direction < 0 || direction >= Directions)
        direction = 0;
    if (frame < 0 || frame >= Frames)
        frame = 0;
    return Frame_Table[static_cast<std::size_t>(direction * Frames + frame)];
}
