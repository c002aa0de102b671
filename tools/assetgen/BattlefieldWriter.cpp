#include "BattlefieldWriter.hpp"

#include "BuildingPainter.hpp"
#include "StonePainter.hpp"
#include "VegetationPainter.hpp"

#include <algorithm>
#include <map>

namespace {
using SC = SceneryCatalog;
using GT = GroundTileset;

Image variantsRow(SC::Kind k) {
    const SceneryKind& s = SC::get(k);
    Image row(s.width * s.variants, s.height);
    for (int v = 0; v < s.variants; ++v) {
        Image one;
        switch (k) {
        case SC::Oak: one = VegetationPainter::oak(v); break;
        case SC::Pine: one = VegetationPainter::pine(v, false); break;
        case SC::SnowPine: one = VegetationPainter::pine(v, true); break;
        case SC::DeadTree: one = VegetationPainter::deadTree(v); break;
        case SC::Bush: one = VegetationPainter::bush(v); break;
        case SC::Flowers: one = VegetationPainter::flowers(v); break;
        case SC::Reeds: one = VegetationPainter::reeds(v); break;
        case SC::Boulder: one = StonePainter::boulder(v); break;
        case SC::Pebbles: one = StonePainter::pebbles(v); break;
        case SC::Gravestone: one = StonePainter::gravestone(v); break;
        case SC::Bones: one = StonePainter::bones(v); break;
        case SC::Crag: one = StonePainter::crag(v); break;
        case SC::Crops: one = VegetationPainter::crops(v); break;
        case SC::HouseThatch: one = BuildingPainter::houseThatch(); break;
        case SC::HouseTiled: one = BuildingPainter::houseTiled(); break;
        case SC::Mausoleum: one = BuildingPainter::mausoleum(); break;
        case SC::Stall: one = BuildingPainter::stall(); break;
        case SC::Well: one = BuildingPainter::well(); break;
        case SC::WallH: one = StonePainter::wallHorizontal(v); break;
        case SC::WallV: one = StonePainter::wallVertical(v); break;
        case SC::WallPost: one = StonePainter::wallPost(v); break;
        default: break;
        }
        row.paste(one, v * s.width, 0);
    }
    return row;
}
} // namespace

BattlefieldWriter::BattlefieldWriter(const WorldMap& map, const SceneryLayout& scenery)
    : map_(map), scenery_(scenery) {
    background_.push_back({WorldMap::GrassId, "Grass.xml", "Grass", "Grass_TS.png", GT::GrassSize,
                           GT::GrassSize, 0, 0, GT::GrassSize, GT::GrassSize});
    images_.push_back({"Grass_TS.png", GT::defaultGrass()});
    for (int t = 0; t < GT::TerrainCount; ++t) {
        GT::Terrain terrain = static_cast<GT::Terrain>(t);
        std::string stem = GT::stem(terrain);
        images_.push_back({stem + "_TS.png", GT::tileset(terrain)});
        for (int mask = 1; mask <= 15; ++mask) {
            int bx, by, bw, bh;
            GT::box(terrain, mask, bx, by, bw, bh);
            std::string file = stem + "_" + (mask < 10 ? "0" : "") + std::to_string(mask) + ".xml";
            background_.push_back({WorldMap::groundId(terrain, mask), file, GT::typeName(terrain),
                                   stem + "_TS.png", GT::Tile, GT::Tile, bx, by, bw, bh});
        }
    }
    background_.push_back({WorldMap::BridgeId, "Bridge.xml", "Bridge", "Bridge_TS.png", 32, 32, 0, 0, 32, 32});
    images_.push_back({"Bridge_TS.png", BuildingPainter::bridge()});
    for (int k = 0; k < SC::KindCount; ++k) {
        const SceneryKind& s = SC::get(static_cast<SC::Kind>(k));
        environment_.push_back({SC::spriteId(static_cast<SC::Kind>(k)), std::string(s.stem) + ".xml", s.type,
                                std::string(s.stem) + "_TS.png", s.width, s.height, s.cbX, s.cbY, s.cbW, s.cbH});
        images_.push_back({std::string(s.stem) + "_TS.png", variantsRow(static_cast<SC::Kind>(k))});
    }
}

void BattlefieldWriter::writeSprite(OutputTree& out, const std::string& folder, const SpriteFile& s) const {
    std::string path = folder + s.file;
    XmlWriter x = OutputTree::xml(path, "BF_Sprite", "BF_Sprite.dtd");
    x.leaf("Type", s.type).leaf("Display_Width", s.displayW).leaf("Display_Height", s.displayH);
    x.leaf("Tileset_File", s.tileset);
    x.open("TS_ColorKey_RGB").leaf("ColorKey_R", 255).leaf("ColorKey_G", 0).leaf("ColorKey_B", 255).close();
    x.open("CollisionBox_Dimensions");
    x.leaf("X_Modifier", s.cbX).leaf("Y_Modifier", s.cbY).leaf("CB_Width", s.cbW).leaf("CB_Height", s.cbH);
    x.close();
    out.text(path, x.finish());
}

void BattlefieldWriter::write(OutputTree& out) const {
    for (const SpriteFile& s : background_)
        writeSprite(out, backgroundFolder(), s);
    for (const SpriteFile& s : environment_)
        writeSprite(out, environmentFolder(), s);
    for (const auto& [name, img] : images_) {
        bool ground = name.find("Grass") == 0 || name.find("Bridge") == 0;
        for (int t = 0; t < GT::TerrainCount; ++t)
            if (name == std::string(GT::stem(static_cast<GT::Terrain>(t))) + "_TS.png")
                ground = true;
        out.png(std::string(ground ? backgroundFolder() : environmentFolder()) + name, img);
    }

    XmlWriter m = OutputTree::xml(mappingPath(), "BF_Mapping", "BF_Mapping.dtd");
    m.open("BF_BG_Sprite_Mapping").leaf("BF_BG_Sprite_Mapping_File_Default_Folder", backgroundFolder());
    for (const SpriteFile& s : background_)
        m.open("BF_BG_Sprite_Mapping_El").leaf("BF_BG_Sprite_Mapping_Id", s.id).leaf("BF_BG_Sprite_Mapping_File", s.file).close();
    m.close();
    m.open("BF_Env_Sprite_Mapping").leaf("BF_Env_Sprite_Mapping_File_Default_Folder", environmentFolder());
    for (const SpriteFile& s : environment_)
        m.open("BF_Env_Sprite_Mapping_El").leaf("BF_Env_Sprite_Mapping_Id", s.id).leaf("BF_Env_Sprite_Mapping_File", s.file).close();
    m.close();
    out.text(mappingPath(), m.finish());

    XmlWriter d = OutputTree::xml(descriptionPath(), "Battlefield", "Battlefield.dtd");
    d.leaf("BF_Width", WorldMap::Width).leaf("BF_Height", WorldMap::Height);
    d.leaf("BF_Default_Sprite_Width", WorldMap::Tile).leaf("BF_Default_Sprite_Height", WorldMap::Tile);
    d.leaf("Mapping_File", mappingPath()).leaf("BF_Default_BG_Id", WorldMap::GrassId);
    auto layer = [&d](const char* name, const std::vector<PlacedSprite>& sprites) {
        std::string L = name;
        d.open(L);
        for (const PlacedSprite& s : sprites) {
            d.open(L + "_Sprite");
            d.leaf(L + "_Sprite_X", s.x).leaf(L + "_Sprite_Y", s.y).leaf(L + "_Sprite_Id", s.id);
            d.leaf(L + "_Sprite_SubType", s.subType).leaf(L + "_Sprite_Orientation", s.orientation);
            d.close();
        }
        d.close();
    };
    layer("Background", map_.background());
    layer("Environment", scenery_.sprites());
    out.text(descriptionPath(), d.finish());
}

Image BattlefieldWriter::render() const {
    Image world(WorldMap::Width, WorldMap::Height, Palette::Black);
    std::map<int, const SpriteFile*> byId;
    std::map<std::string, const Image*> tiles;
    for (const SpriteFile& s : background_)
        byId[s.id] = &s;
    for (const SpriteFile& s : environment_)
        byId[s.id] = &s;
    for (const auto& [name, img] : images_)
        tiles[name] = &img;
    const Image& grass = *tiles["Grass_TS.png"];
    for (int y = 0; y < WorldMap::Height; y += grass.height())
        for (int x = 0; x < WorldMap::Width; x += grass.width())
            world.paste(grass, x, y);
    auto draw = [&](const std::vector<PlacedSprite>& layer) {
        for (const PlacedSprite& p : layer) {
            const SpriteFile& s = *byId.at(p.id);
            world.draw(*tiles.at(s.tileset), p.orientation * s.displayW, p.subType * s.displayH, s.displayW,
                       s.displayH, p.x, p.y);
        }
    };
    std::vector<PlacedSprite> bg = map_.background();
    std::stable_sort(bg.begin(), bg.end(), [](const PlacedSprite& a, const PlacedSprite& b) {
        return a.x != b.x ? a.x < b.x : a.y < b.y;
    });
    draw(bg);
    draw(scenery_.sprites());
    return world;
}

std::vector<std::pair<std::string, Image>> BattlefieldWriter::tilesets() const { return images_; }
