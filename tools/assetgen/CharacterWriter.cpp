#include "CharacterWriter.hpp"

#include "SceneryLayout.hpp"

namespace {
using Cast = CharacterSheets::Cast;
using Action = CharacterSheets::Action;

struct Body {
    int cbX, cbY, cbW, cbH;
};
// Collision boxes cover the body from the feet to the neck: narrow enough to
// pass between trees standing 44 pixels apart at any step of the 32-pixel
// lattice, tall enough that nothing drawn over the characters (walls, roofs)
// can cover a head from the front, and the life bar sits above the head.
constexpr Body kHuman{22, 22, 20, 36};
constexpr Body kMerchant{20, 22, 24, 36};
constexpr Body kGuard{21, 22, 22, 36};
constexpr Body kSkeleton{21, 24, 22, 34};
constexpr Body kWorm{18, 34, 28, 22};

struct Stats {
    const char* type;
    const char* id;
    int velocity, runVelocity, life, endurance, armor, damage;
};

void body(XmlWriter& x, const Body& b) {
    x.leaf("X_Modifier", b.cbX).leaf("Y_Modifier", b.cbY).leaf("CB_Width", b.cbW).leaf("CB_Height", b.cbH);
}
} // namespace

std::string CharacterWriter::writeSet(OutputTree& out, const std::string& folder, const std::string& prefix,
                                      Cast cast, const std::string& style) {
    SheetSet set{prefix, {}};
    std::string centre = prefix + "_Animation_Center.xml";
    XmlWriter c = OutputTree::xml(folder + centre, "Animation_Center", "Animation_Center.dtd");
    c.leaf("Style", style).leaf("Type", prefix);
    for (Action a : CharacterSheets::actions()) {
        std::string act = CharacterSheets::actionName(a);
        std::string png = prefix + "_" + act + ".png", xml = prefix + "_" + act + ".xml";
        Image sheet = CharacterSheets::sheet(cast, a);
        CharacterSheets::Timing t = CharacterSheets::timing(cast, a);
        out.png(folder + png, sheet);
        set.sheets.push_back({act, sheet});
        XmlWriter x = OutputTree::xml(folder + xml, "Animation", "Animation.dtd");
        x.leaf("Animation_TS_Filename", png);
        x.open("TS_ColorKey_RGB").leaf("ColorKey_R", 255).leaf("ColorKey_G", 0).leaf("ColorKey_B", 255).close();
        x.leaf("Frames", t.frames);
        if (a == Action::Attack)
            x.leaf("KeyFrame", t.keyFrame);
        if (t.frames > 1)
            x.leaf("Frames_Interval", t.interval);
        x.leaf("Width", CharacterSheets::Frame).leaf("Height", CharacterSheets::Frame);
        out.text(folder + xml, x.finish());
        c.leaf(act + "_Animation_Filename", xml);
    }
    out.text(folder + centre, c.finish());
    sets_.push_back(set);
    return centre;
}

void CharacterWriter::writePlayer(OutputTree& out) {
    const std::string folder = "Data/Characters/Player/";
    std::string unarmed = writeSet(out, folder, "Player_Unarmed", Cast::Hero, "Unarmed");
    std::string sword = writeSet(out, folder, "Player_One_Handed_Sword", Cast::HeroSword, "Melee");
    std::string bow = writeSet(out, folder, "Player_Bow", Cast::HeroBow, "Distant");

    XmlWriter w = OutputTree::xml(folder + "Player_Weapon_Styles.xml", "Weapon_Styles", "Weapon_Styles.dtd");
    w.open("Melee").leaf("One_Handed_Sword_Animation_Center", sword).close();
    w.open("Distant").leaf("Bow_Animations_Center", bow).close();
    out.text(folder + "Player_Weapon_Styles.xml", w.finish());

    const std::string path = "Data/Characters/c_Player.xml";
    XmlWriter x = OutputTree::xml(path, "Player_Description", "Player_Description.dtd");
    x.leaf("Data_Root_Directory", folder);
    x.leaf("Default_Sprite_Width", CharacterSheets::Frame).leaf("Default_Sprite_Height", CharacterSheets::Frame);
    Point start = SceneryLayout::playerStart();
    x.open("Coords").leaf("Initial_X", start.x).leaf("Initial_Y", start.y).close();
    body(x, kHuman);
    x.leaf("Velocity", 4).leaf("Run_Velocity", 8).leaf("Life", 100).leaf("Endurance", 60);
    // Against the monsters' numbers below: the README's table of what a fight
    // costs, which the balance test holds to its bounds.
    x.leaf("Armor", 2).leaf("Damage", 6);
    x.leaf("Character_Type", "Player").leaf("Character_ID", "Humanoid");
    x.leaf("Primary_Attack_Animation_Center_Filename", unarmed).leaf("Primary_Attack_Style", "Unarmed");
    x.open("Secondary_Style").leaf("Secondary_Attack_Style", "Multiple").close();
    x.leaf("Secondary_Attack_Animation_Center_Filename", "Player_Weapon_Styles.xml");
    out.text(path, x.finish());
}

void CharacterWriter::writeNpcsAndMonsters(OutputTree& out) {
    struct Kind {
        const char* file;
        const char* folder;
        const char* prefix;
        Cast cast;
        const char* style;
        Body box;
        Stats stats;
        const char* whenAttacked;
        const char* vsMonsters;
        const char* vsPlayer;
        const char* defaultAttitude;
    };
    const Kind kinds[] = {
        {"c_NPC_Merchant.xml", "Merchant", "Merchant", Cast::Merchant, "Unarmed", kMerchant,
         {"NPC", "Humanoid", 4, 8, 60, 30, 1, 3}, "Coward", "Passive", "Passive", "Passive"},
        {"c_NPC_Guard_w_OneH_Sword.xml", "Guard", "Guard", Cast::Guard, "Melee", kGuard,
         {"NPC", "Humanoid", 4, 8, 150, 60, 4, 5}, "Aggressive", "Passive", "Passive", "Guard"},
        {"c_Monster_Skeleton.xml", "Skeleton", "Skeleton", Cast::Skeleton, "Melee", kSkeleton,
         {"Monster", "Undead", 4, 8, 40, 20, 2, 5}, "Aggressive", "Passive", "Aggressive", "Wanderer"},
        {"c_Monster_Worm.xml", "Worm", "Worm", Cast::Worm, "Unarmed", kWorm,
         {"Monster", "Crawler", 4, 0, 30, 0, 1, 4}, "Aggressive", "Passive", "Aggressive", "Wanderer"},
    };
    for (const Kind& k : kinds) {
        std::string folder = std::string("Data/Characters/") + k.folder + "/";
        std::string centre = writeSet(out, folder, k.prefix, k.cast, k.style);
        std::string path = std::string("Data/Characters/") + k.file;
        XmlWriter x = OutputTree::xml(path, "Character_Description", "Character_Description.dtd");
        bool npc = std::string(k.stats.type) == "NPC";
        if (npc) {
            // Start positions come first: they are read up to Allowed_Area.
            Point p = k.cast == Cast::Merchant ? SceneryLayout::merchantStart() : SceneryLayout::guardStart();
            x.open("Coords").open("Position").leaf("Initial_X", p.x).leaf("Initial_Y", p.y).close().close();
        }
        x.leaf("Data_Root_Directory", folder);
        x.leaf("Default_Sprite_Width", CharacterSheets::Frame).leaf("Default_Sprite_Height", CharacterSheets::Frame);
        if (npc) {
            // The merchant keeps to his stall, the guard to the village.
            bool merchant = k.cast == Cast::Merchant;
            x.open("Allowed_Area");
            x.leaf("Allowed_Area_H", merchant ? 120 : 960).leaf("Allowed_Area_W", merchant ? 224 : 896);
            x.leaf("Allowed_Area_Y", merchant ? 1950 : 1500).leaf("Allowed_Area_X", merchant ? 1400 : 1180);
            x.close();
        }
        body(x, k.box);
        x.leaf("Character_Type", k.stats.type).leaf("Character_ID", k.stats.id);
        x.leaf("Velocity", k.stats.velocity).leaf("Run_Velocity", k.stats.runVelocity);
        x.leaf("Life", k.stats.life).leaf("Endurance", k.stats.endurance);
        x.leaf("Armor", k.stats.armor).leaf("Damage", k.stats.damage);
        x.leaf("Primary_Attack_Animation_Center_Filename", centre).leaf("Primary_Attack_Style", k.style);
        x.leaf("Attitude_When_Attacked", k.whenAttacked).leaf("Attitude_Vs_MB", k.vsMonsters);
        x.leaf("Attitude_Vs_PB", k.vsPlayer).leaf("Default_Attitude", k.defaultAttitude);
        if (k.cast == Cast::Guard) {
            x.open("Attitude_Position_List");
            for (Point p : SceneryLayout::guardPatrol())
                x.open("Attitude_Position_Coord").leaf("Attitude_Position_Coord_X", p.x).leaf("Attitude_Position_Coord_Y", p.y).close();
            x.close();
        }
        out.text(path, x.finish());
    }
}

void CharacterWriter::write(OutputTree& out) {
    writePlayer(out);
    writeNpcsAndMonsters(out);
}
