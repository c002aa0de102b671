#include "BattlefieldWriter.hpp"
#include "OutputTree.hpp"

#include <exception>
#include <iostream>

// assetgen GAME_DIR CONTACT_SHEET_PNG BATTLEFIELD_PNG
int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: assetgen GAME_DIR CONTACT_SHEET_PNG BATTLEFIELD_PNG\n";
        return 2;
    }
    try {
        OutputTree out(argv[1]);
        out.writeDtds();
        WorldMap map;
        SceneryLayout scenery(map);
        BattlefieldWriter bf(map, scenery);
        bf.write(out);
        Image world = bf.render();
        OutputTree review(".");
        review.png(argv[3], world.shrunk(4), false);
    } catch (const std::exception& e) {
        std::cerr << "assetgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
