#include "BattlefieldWriter.hpp"
#include "CharacterWriter.hpp"
#include "ContactSheet.hpp"
#include "InterfaceWriter.hpp"
#include "ItemWriter.hpp"
#include "OutputTree.hpp"

#include <exception>
#include <iostream>

namespace {
// The hero standing, facing down, for the characteristics window.
Image heroPortrait(const CharacterWriter& characters) {
    const Image& stop = characters.sets().front().sheets.front().second;
    return stop.crop(0, 2 * CharacterSheets::Frame, CharacterSheets::Frame, CharacterSheets::Frame);
}

// The battlefield with its people and the chest where they start, full size.
Image battlefieldPicture(const BattlefieldWriter& bf, const CharacterWriter& characters, const ItemWriter& items) {
    Image world = bf.render();
    auto standing = [&](const std::string& set) {
        for (const auto& s : characters.sets())
            if (s.name == set)
                return s.sheets.front().second.crop(0, 2 * CharacterSheets::Frame, CharacterSheets::Frame,
                                                    CharacterSheets::Frame);
        return Image();
    };
    for (const auto& [path, img] : items.pictures())
        if (path.find("Chest_TS") != std::string::npos)
            world.draw(img, 48, 0, 48, 40, SceneryLayout::chest().x, SceneryLayout::chest().y);
    world.draw(standing("Player_Unarmed"), SceneryLayout::playerStart().x, SceneryLayout::playerStart().y);
    world.draw(standing("Merchant"), SceneryLayout::merchantStart().x, SceneryLayout::merchantStart().y);
    world.draw(standing("Guard"), SceneryLayout::guardStart().x, SceneryLayout::guardStart().y);
    return world;
}

Image contactSheet(const BattlefieldWriter& bf, const CharacterWriter& characters, const ItemWriter& items,
                   const InterfaceWriter& ui) {
    ContactSheet sheet(2440);
    sheet.section("GROUND AND SCENERY");
    for (const auto& [name, img] : bf.tilesets())
        sheet.add(name, img);
    for (const auto& set : characters.sets()) {
        sheet.section(set.name);
        for (const auto& [action, img] : set.sheets)
            sheet.add(action, img);
    }
    sheet.section("ITEMS AND ACTIONABLES");
    for (const auto& [path, img] : items.pictures())
        sheet.add(path.substr(path.rfind('/') + 1), img);
    sheet.section("INTERFACE");
    for (const auto& [path, img] : ui.pictures())
        sheet.add(path.substr(path.rfind('/') + 1), img);
    return sheet.render();
}
} // namespace

// assetgen GAME_DIR CONTACT_SHEET_PNG BATTLEFIELD_PNG [FULL_SIZE_BATTLEFIELD_PNG]
int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::cerr << "usage: assetgen GAME_DIR CONTACT_SHEET_PNG BATTLEFIELD_PNG [FULL_SIZE_BATTLEFIELD_PNG]\n";
        return 2;
    }
    try {
        OutputTree out(argv[1]);
        out.writeDtds();
        WorldMap map;
        SceneryLayout scenery(map);
        BattlefieldWriter bf(map, scenery);
        bf.write(out);
        CharacterWriter characters;
        characters.write(out);
        ItemWriter items;
        items.write(out);
        InterfaceWriter ui(heroPortrait(characters));
        ui.write(out);

        OutputTree review(".");
        review.png(argv[2], contactSheet(bf, characters, items, ui), false);
        Image world = battlefieldPicture(bf, characters, items);
        review.png(argv[3], world.shrunk(4), false);
        if (argc == 5)
            review.png(argv[4], world, false);
    } catch (const std::exception& e) {
        std::cerr << "assetgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
