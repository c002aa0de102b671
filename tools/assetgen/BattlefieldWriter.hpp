#pragma once

#include "Image.hpp"
#include "OutputTree.hpp"
#include "SceneryLayout.hpp"
#include "WorldMap.hpp"

// Writes the battlefield: its description file with the two layers, the
// mapping file, one sprite description file per sprite id and every tileset.
// It also keeps the tilesets to draw the whole field for the overview.
class BattlefieldWriter {
public:
    BattlefieldWriter(const WorldMap& map, const SceneryLayout& scenery);

    void write(OutputTree& out) const;
    // The whole field at full size, ground and scenery.
    Image render() const;

    static const char* descriptionPath() { return "Data/Battlefield/Varnholt_BF.xml"; }
    static const char* mappingPath() { return "Data/Battlefield/Varnholt_BF_Mapping.xml"; }
    static const char* backgroundFolder() { return "Data/Battlefield/Background/"; }
    static const char* environmentFolder() { return "Data/Battlefield/Environment/"; }

    // Every tileset by name, for the contact sheet.
    std::vector<std::pair<std::string, Image>> tilesets() const;

private:
    struct SpriteFile {
        int id;
        std::string file, type, tileset;
        int displayW, displayH;
        int cbX, cbY, cbW, cbH;
    };
    void writeSprite(OutputTree& out, const std::string& folder, const SpriteFile& s) const;

    const WorldMap& map_;
    const SceneryLayout& scenery_;
    std::vector<SpriteFile> background_, environment_;
    std::vector<std::pair<std::string, Image>> images_; // tileset file name -> picture
};
