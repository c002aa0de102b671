#pragma once

// Writes animation files for the tests: each animation is an XML file with
// its BMP sheet, named by a key of one description file, all with loose DTDs
// in a temporary folder.

#include <map>
#include <string>
#include <utility>

#include "battlefield/BF_Fixture.hpp"
#include "characters/CH_Test_Support.hpp"

namespace anim_test {

using ch_test::Tag;

// The common case: frames columns of w x h, eight rows, an interval when there is more than one frame.
struct Sheet {
    explicit Sheet(int frames = 1, int width = 8, int height = 8, int interval = 100, std::string extra = "")
        : frames(frames), width(width), height(height), interval(interval), extra(std::move(extra)) {}

    int frames, width, height, interval;
    std::string extra; // further elements of the file: KeyFrame, modifiers, colour key

};

class Animation_Files : public bf_test::BF_Fixture {
public:
    Animation_Files() {
        Write("animation.dtd",
              bf_test::Loose_Dtd({"Animation", "Animation_TS_Filename", "TS_ColorKey_RGB", "ColorKey_R",
                                  "ColorKey_G", "ColorKey_B", "Frames", "KeyFrame", "Frames_Interval", "Width",
                                  "Height", "Coordinates_n_CB_Modifier", "X_Modifier", "Y_Modifier", "CB_X_Modifier",
                                  "CB_Y_Modifier", "CB_W_Modifier", "CB_H_Modifier"}));
    }

    // Writes key.xml around body, with a sheet of columns x rows tiles of w x h,
    // and names it under key in the description file. Returns the description's path.
    std::string Write_Animation(const std::string& key, const std::string& body, int w, int h, int columns,
                                int rows = 8) {
        Write_Tileset(key + ".bmp", w, h, columns, rows, static_cast<int>(Keys.size()));
        Write(key + ".xml", "<?xml version=\"1.0\"?>\n<!DOCTYPE Animation SYSTEM \"animation.dtd\">\n<Animation>" +
                                Tag("Animation_TS_Filename", key + ".bmp") + body + "</Animation>\n");
        Keys[key] = key + ".xml";
        return Write_Character_File();
    }

    std::string Write_Animation(const std::string& key, const Sheet& sheet) {
        std::string body = Tag("Frames", sheet.frames) + Tag("Width", sheet.width) + Tag("Height", sheet.height);
        if (sheet.frames > 1)
            body += Tag("Frames_Interval", sheet.interval);
        return Write_Animation(key, body + sheet.extra, sheet.width, sheet.height, sheet.frames);
    }

    std::string Description() const { return Path("character.xml"); }

    // Names file under key in the description file, as it is, even empty.
    std::string Name(const std::string& key, const std::string& file) {
        Keys[key] = file;
        return Write_Character_File();
    }

private:
    std::string Write_Character_File() {
        std::string dtd = "<!ELEMENT Character ANY>\n", body;
        for (const auto& entry : Keys) {
            dtd += "<!ELEMENT " + entry.first + " ANY>\n";
            body += Tag(entry.first, entry.second);
        }
        Write("character.dtd", dtd);
        return Write("character.xml", "<?xml version=\"1.0\"?>\n<!DOCTYPE Character SYSTEM \"character.dtd\">\n"
                                      "<Character>" + body + "</Character>\n");
    }

    std::map<std::string, std::string> Keys;
};

} // namespace anim_test
