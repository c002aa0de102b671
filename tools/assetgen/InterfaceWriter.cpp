#include "InterfaceWriter.hpp"

#include "InterfacePainter.hpp"

namespace {
void barsFile(OutputTree& out, const std::string& path, const std::string& image, int w, int h) {
    XmlWriter x = OutputTree::xml(path, "Bars_Tileset", "Bars_Tileset.dtd");
    x.open("Tileset_ColorKey").leaf("TS_CK_R", 255).leaf("TS_CK_G", 0).leaf("TS_CK_B", 255).close();
    x.leaf("Tileset_Filename", image).leaf("Bars_Width", w).leaf("Bars_Height", h);
    out.text(path, x.finish());
}
} // namespace

void InterfaceWriter::picture(OutputTree& out, const std::string& path, const Image& img) {
    out.png(path, img);
    pictures_.push_back({path, img});
}

void InterfaceWriter::write(OutputTree& out) {
    const std::string dir = "Data/Interface/";
    picture(out, dir + "LS_Initial.png", InterfacePainter::loadingScreen());
    picture(out, "Varnholt_ico.png", InterfacePainter::icon());
    picture(out, dir + "Player_Characteristics_Bars_TS.png", InterfacePainter::playerBars());
    picture(out, dir + "Character_Life_Bar_TS.png", InterfacePainter::lifeBar());
    picture(out, dir + "Inventory_Win_BG.png", InterfacePainter::inventoryBackground());
    picture(out, dir + "Characteristics_Win_BG.png", InterfacePainter::characteristicsBackground(hero_));
    picture(out, dir + "DeathHead.png", InterfacePainter::deathHead());

    barsFile(out, dir + "Player_Characteristics_Bars_TS.xml", dir + "Player_Characteristics_Bars_TS.png",
             InterfacePainter::BarsW, InterfacePainter::BarsH);
    barsFile(out, dir + "Character_Life_Bar_TS.xml", dir + "Character_Life_Bar_TS.png",
             InterfacePainter::LifeW, InterfacePainter::LifeH);

    XmlWriter x = OutputTree::xml(dir + "DeathHead.xml", "Interface_Sprite", "Interface_Sprite.dtd");
    x.open("Sprite_ColorKey").leaf("Sp_CK_R", 255).leaf("Sp_CK_G", 0).leaf("Sp_CK_B", 255).close();
    x.leaf("Sprite_Filename", dir + "DeathHead.png");
    out.text(dir + "DeathHead.xml", x.finish());
}
