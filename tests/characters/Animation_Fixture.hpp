#pragma once

// Writes animation files for the tests: each animation is an XML file with
// its BMP sheet, named by a key of one description file, in a temporary folder.

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
    // Writes key.xml around body, with a sheet of columns x rows tiles of w x h,
    // and names it under key in the description file. Returns the description's path.
    std::string Write_Animation(const std::string& key, const std::string& body, int w, int h, int columns,
                                int rows = 8) {
        Write_Tileset(key + ".bmp", w, h, columns, rows, static_cast<int>(Keys.size()));
        Write(key + ".xml", bf_test::Xml("Animation", Tag("Animation_TS_Filename", key + ".bmp") + body));
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
        std::string body;
        for (const auto& entry : Keys)
            body += Tag(entry.first, entry.second);
        return Write("character.xml", bf_test::Xml("Character", body));
    }

    std::map<std::string, std::string> Keys;
};

} // namespace anim_test
