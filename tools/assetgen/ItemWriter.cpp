#include "ItemWriter.hpp"

#include "ItemPainter.hpp"

namespace {
void keyedThumbnail(XmlWriter& x, const std::string& path) {
    x.open("Thunbnail_ColorKey_RGB").leaf("TB_ColorKey_R", 255).leaf("TB_ColorKey_G", 0).leaf("TB_ColorKey_B", 255).close();
    x.leaf("Thunbnail_Name", path);
}

void weapon(XmlWriter& x, int dmin, int dmax, int critical, int range) {
    x.open("Weapon_Values");
    x.leaf("Damage_Max", dmax).leaf("Damage_Min", dmin);
    x.leaf("Attribute_Condition_Name", "Strength").leaf("Attribute_Condition_Value", 0);
    x.leaf("Critical_Multiplier", critical).leaf("Range", range);
    x.close();
}

void tilesetFile(OutputTree& out, const std::string& path, const std::string& image, int w, int h) {
    XmlWriter x = OutputTree::xml(path, "Actionable_Tileset", "Actionable_Tileset.dtd");
    x.open("Tileset_ColorKey").leaf("TS_CK_R", 255).leaf("TS_CK_G", 0).leaf("TS_CK_B", 255).close();
    x.leaf("Tileset_Filename", image).leaf("Width", w).leaf("Height", h);
    out.text(path, x.finish());
}
} // namespace

void ItemWriter::picture(OutputTree& out, const std::string& path, const Image& img) {
    out.png(path, img);
    pictures_.push_back({path, img});
}

void ItemWriter::write(OutputTree& out) {
    const std::string dir = "Data/Items/";
    picture(out, dir + "Apprentice_Sword_TB.png", ItemPainter::swordThumbnail());
    picture(out, dir + "Apprentice_Bow_TB.png", ItemPainter::bowThumbnail());
    picture(out, dir + "Normal_Arrow_TB.png", ItemPainter::arrowThumbnail());
    picture(out, dir + "Healing_Potion_TB.png", ItemPainter::potionThumbnail());
    picture(out, dir + "Normal_Arrow_TS.png", ItemPainter::arrowTileset());

    {
        XmlWriter x = OutputTree::xml(dir + "Apprentice_Sword.xml", "Item", "Item.dtd");
        x.leaf("Name", "Apprentice Sword").leaf("Value", 40);
        keyedThumbnail(x, dir + "Apprentice_Sword_TB.png");
        x.leaf("Weight", 6).leaf("Quest_Item", 0);
        weapon(x, 6, 10, 2, 14);
        out.text(dir + "Apprentice_Sword.xml", x.finish());
    }
    {
        XmlWriter x = OutputTree::xml(dir + "Apprentice_Bow.xml", "Item", "Item.dtd");
        x.leaf("Name", "Apprentice Bow").leaf("Value", 60);
        keyedThumbnail(x, dir + "Apprentice_Bow_TB.png");
        x.leaf("Weight", 4).leaf("Quest_Item", 0);
        weapon(x, 10, 16, 2, 320);
        out.text(dir + "Apprentice_Bow.xml", x.finish());
    }
    {
        XmlWriter x = OutputTree::xml(dir + "Normal_Arrow.xml", "Item", "Item.dtd");
        x.leaf("Name", "Normal Arrow").leaf("Value", 1);
        keyedThumbnail(x, dir + "Normal_Arrow_TB.png");
        x.leaf("Weight", 0).leaf("Quest_Item", 0).leaf("Additional_Damage", 2);
        x.open("Flight");
        x.leaf("TS_Frame_Interval", 16).leaf("TS_Velocity", 10);
        x.open("TS_ColorKey_RGB").leaf("TS_ColorKey_R", 255).leaf("TS_ColorKey_G", 0).leaf("TS_ColorKey_B", 255).close();
        x.leaf("TS_Filename", dir + "Normal_Arrow_TS.png").leaf("TS_Width", 32).leaf("TS_Height", 32);
        x.close();
        out.text(dir + "Normal_Arrow.xml", x.finish());
    }
    {
        XmlWriter x = OutputTree::xml(dir + "Healing_Potion.xml", "Item", "Item.dtd");
        x.leaf("Name", "Healing Potion").leaf("Value", 25);
        keyedThumbnail(x, dir + "Healing_Potion_TB.png");
        x.leaf("Weight", 1).leaf("Quest_Item", 0).leaf("Bonus", 50);
        out.text(dir + "Healing_Potion.xml", x.finish());
    }

    const std::string act = "Data/Battlefield/Environment/Actionables/";
    picture(out, act + "Drop_TS.png", ItemPainter::dropBag());
    picture(out, act + "Chest_TS.png", ItemPainter::chestTileset());
    tilesetFile(out, act + "Drop.xml", act + "Drop_TS.png", 32, 32);
    tilesetFile(out, act + "Chest.xml", act + "Chest_TS.png", ItemPainter::ChestW, ItemPainter::ChestH);
}
