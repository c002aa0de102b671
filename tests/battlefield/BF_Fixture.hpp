#pragma once

// Writes small battlefields for the tests: a description file, a mapping
// file, sprite files and BMP tilesets in a temporary folder that is removed
// afterwards.

#include <SDL/SDL.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace bf_test {

namespace fs = std::filesystem;

const char* const BG = "BF_BG_Sprite_Mapping";
const char* const ENV = "BF_Env_Sprite_Mapping";

// Magenta as a sprite's colour key.
const char* const Colour_Key = "<TS_ColorKey_RGB><ColorKey_R>255</ColorKey_R><ColorKey_G>0</ColorKey_G>"
                               "<ColorKey_B>255</ColorKey_B></TS_ColorKey_RGB>";

// The message of what body throws, "" when it throws nothing.
template <class Body>
std::string Error_Of(Body body) {
    try {
        body();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

// Every element as ANY: the tests break the files' structure on purpose and
// want the game's own message, not the validator's.
// The visible pixels of a surface, row by row without the padding: two drawings compare equal.
inline std::vector<Uint8> Pixels(SDL_Surface* surface) {
    std::vector<Uint8> pixels;
    SDL_LockSurface(surface);
    const int rowBytes = surface->w * surface->format->BytesPerPixel;
    for (int y = 0; y < surface->h; ++y) {
        const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
        pixels.insert(pixels.end(), row, row + rowBytes);
    }
    SDL_UnlockSurface(surface);
    return pixels;
}

inline std::string Loose_Dtd(std::initializer_list<const char*> names) {
    std::string text;
    for (const char* name : names)
        text += std::string("<!ELEMENT ") + name + " ANY>\n";
    return text;
}

// A document of root around body, with a loose DTD of its own for every element it holds.
inline std::string Xml(const std::string& root, const std::string& body) {
    std::set<std::string> names{root};
    for (std::size_t at = body.find('<'); at != std::string::npos; at = body.find('<', at + 1)) {
        const std::size_t end = body.find_first_of(" />", at + 1);
        if (end != std::string::npos && end > at + 1 && body[at + 1] != '!' && body[at + 1] != '?')
            names.insert(body.substr(at + 1, end - at - 1));
    }
    std::string dtd;
    for (const std::string& name : names)
        dtd += "<!ELEMENT " + name + " ANY>\n";
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE " + root + " [\n" + dtd + "]>\n<" + root + ">" + body + "</" + root +
           ">\n";
}

// The colour of tile (column, row) of a fixture tileset: distinct per sprite and tile.
inline Uint32 Tile_Colour(int seed, int column, int row) {
    return (static_cast<Uint32>(20 + 40 * column) << 16) | (static_cast<Uint32>(20 + 40 * row) << 8) |
           static_cast<Uint32>(10 + 30 * seed);
}

class BF_Fixture {
public:
    BF_Fixture() {
        std::string pattern = (fs::temp_directory_path() / "battlefield_XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("no temporary folder");
        dir = pattern;
        folder = dir.string() + "/";
    }
    ~BF_Fixture() { fs::remove_all(dir); }
    BF_Fixture(const BF_Fixture&) = delete;
    BF_Fixture& operator=(const BF_Fixture&) = delete;

    std::string Path(const std::string& name) const { return folder + name; }

    std::string Write(const std::string& name, const std::string& text) const {
        std::ofstream(Path(name)) << text;
        return Path(name);
    }

    // A columns x rows tileset of w x h tiles, each filled with Tile_Colour(seed, column, row);
    // the pixel (1, 1) of every tile is magenta, the fixtures' colour key.
    void Write_Tileset(const std::string& name, int w, int h, int columns, int rows, int seed) const {
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w * columns, h * rows, 24, 0xff0000, 0x00ff00, 0x0000ff, 0);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c) {
                SDL_Rect tile = {static_cast<Sint16>(c * w), static_cast<Sint16>(r * h), static_cast<Uint16>(w),
                                 static_cast<Uint16>(h)};
                SDL_FillRect(s, &tile, Tile_Colour(seed, c, r));
                SDL_Rect key = {static_cast<Sint16>(c * w + 1), static_cast<Sint16>(r * h + 1), 1, 1};
                SDL_FillRect(s, &key, 0xff00ff);
            }
        SDL_SaveBMP(s, Path(name).c_str());
        SDL_FreeSurface(s);
    }

    // A sprite file and its tileset; extra is put before the closing tag (colour key, box).
    std::string Write_Sprite(const std::string& name, const std::string& type, int w, int h, int seed,
                             const std::string& extra = "", int columns = 2, int rows = 2) const {
        Write_Tileset(name + ".bmp", w, h, columns, rows, seed);
        return Write(name + ".xml", Xml("BF_Sprite", "<Type>" + type + "</Type><Display_Width>" + std::to_string(w) +
                                                         "</Display_Width><Display_Height>" + std::to_string(h) +
                                                         "</Display_Height><Tileset_File>" + name +
                                                         ".bmp</Tileset_File>" + extra));
    }

    static std::string Sprite(const std::string& layer, int x, int y, int id, int subType = 0, int orientation = 0) {
        const std::string s = layer + "_Sprite";
        return "<" + s + "><" + s + "_X>" + std::to_string(x) + "</" + s + "_X><" + s + "_Y>" + std::to_string(y) +
               "</" + s + "_Y><" + s + "_Id>" + std::to_string(id) + "</" + s + "_Id><" + s + "_SubType>" +
               std::to_string(subType) + "</" + s + "_SubType><" + s + "_Orientation>" + std::to_string(orientation) +
               "</" + s + "_Orientation></" + s + ">\n";
    }

    // A sprite's collision box.
    static std::string Box(int xModifier, int yModifier, int w, int h) {
        return "<CollisionBox_Dimensions><X_Modifier>" + std::to_string(xModifier) + "</X_Modifier><Y_Modifier>" +
               std::to_string(yModifier) + "</Y_Modifier><CB_Width>" + std::to_string(w) + "</CB_Width><CB_Height>" +
               std::to_string(h) + "</CB_Height></CollisionBox_Dimensions>";
    }

    static std::string Layers(const std::string& background, const std::string& environment) {
        return "<Background>" + background + "</Background><Environment>" + environment + "</Environment>";
    }

    static std::string Element(const std::string& section, int id, const std::string& file) {
        return "<" + section + "_El><" + section + "_Id>" + std::to_string(id) + "</" + section + "_Id><" + section +
               "_File>" + file + "</" + section + "_File></" + section + "_El>\n";
    }

    // A mapping section; folder "" writes an empty folder element, nullptr none at all.
    std::string Section(const std::string& section, const char* folderText, const std::string& elements) const {
        std::string text = "<" + section + ">";
        if (folderText)
            text += "<" + section + "_File_Default_Folder>" + folderText + "</" + section + "_File_Default_Folder>";
        return text + elements + "</" + section + ">\n";
    }

    std::string Write_Mapping(const std::string& sections) const {
        return Write("mapping.xml", Xml("BF_Mapping", sections));
    }

    // Both sections, each in the fixture's folder, binding ids to sprite names (".xml" added);
    // a section without sprites is left out.
    using Bindings = std::vector<std::pair<int, std::string>>;
    std::string Write_Mapping(const Bindings& background, const Bindings& environment) const {
        std::string sections;
        for (const auto& [section, bindings] : {std::make_pair(BG, &background), std::make_pair(ENV, &environment)}) {
            std::string elements;
            for (const auto& [id, name] : *bindings)
                elements += Element(section, id, name + ".xml");
            if (!elements.empty())
                sections += Section(section, folder.c_str(), elements);
        }
        return Write_Mapping(sections);
    }

    // layers holds the Background and Environment sections (or whatever a test wants there).
    std::string Write_Description(const std::string& layers, int defaultId = 0, int width = 2000, int height = 1500) const {
        return Write("bf.xml", Xml("Battlefield", "<BF_Width>" + std::to_string(width) + "</BF_Width><BF_Height>" +
                                                      std::to_string(height) +
                                                      "</BF_Height><BF_Default_Sprite_Width>32</BF_Default_Sprite_Width>"
                                                      "<BF_Default_Sprite_Height>32</BF_Default_Sprite_Height>"
                                                      "<Mapping_File>" + Path("mapping.xml") +
                                                      "</Mapping_File><BF_Default_BG_Id>" + std::to_string(defaultId) +
                                                      "</BF_Default_BG_Id>\n" + layers));
    }

    std::string folder;

private:
    fs::path dir;
};

} // namespace bf_test
