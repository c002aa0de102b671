#pragma once

// Characters for the tests: placed by hand with a box, stats and attitudes,
// registered in Characters_Map, and a small open battlefield to stand on.

#include <memory>
#include <string>

#include "ai/AI.hpp"
#include "ai/Characters_Map.hpp"
#include "battlefield/BF_Fixture.hpp"
#include "battlefield/BattleField.hpp"
#include "battlefield/Terrain_Rules.hpp"
#include "characters/Character.hpp"
#include "shell/Game_Settings.hpp"

namespace ch_test {

inline std::string Tag(const std::string& name, const std::string& value) {
    return "<" + name + ">" + value + "</" + name + ">";
}
inline std::string Tag(const std::string& name, int value) { return Tag(name, std::to_string(value)); }

using bf_test::Error_Of;

// The shipped Dev_Config.ini's directions and AI pace, without reading it.
inline void Use_Game_Tuning() {
    Game_Settings::Reset();
    Game_Settings::CH_RIGHT = 0;
    Game_Settings::CH_RIGHT_DOWN = 1;
    Game_Settings::CH_DOWN = 2;
    Game_Settings::CH_LEFT_DOWN = 3;
    Game_Settings::CH_LEFT = 4;
    Game_Settings::CH_LEFT_UP = 5;
    Game_Settings::CH_UP = 6;
    Game_Settings::CH_RIGHT_UP = 7;
    Game_Settings::AI_CHOOSE_DESTINATION_PS = 2;
    Game_Settings::PAUSE_ANIM_TIME = 8;
    Game_Settings::GLOBAL_GAME_STATE = 3;
    Game_Settings::BF_Map = "Data/Battlefield/Varnholt_BF.xml";
}

class Test_Character : public Character {
public:
    // A 20 x 20 box at (x + 5, y + 10), velocity 4, life 40, armour 0, damage 5.
    Test_Character(int x, int y, int type = Monster_Type, bool enter = true) {
        CH_Base_All_Infos& i = Infos();
        i.X = x;
        i.Y = y;
        i.X_Modifier = 5;
        i.Y_Modifier = 10;
        i.CB_Width = 20;
        i.CB_Height = 20;
        i.Collision_Rect = i.Home_Collision_Rect();
        i.Sight_Radius = 2 * (i.CB_Width + i.CB_Height);
        i.Direction = Game_Settings::CH_DOWN;
        i.CH_Characteristics->Set_Initials(4, 8, 40, 30, 0, 5, 4, type, Undead_ID, false);
        i.CH_Attitudes->Set_Initials(Attitudes::Wanderer, Attitudes::Passive, Attitudes::Passive,
                                     Attitudes::Aggressive);
        if (enter)
            AI::Fill_Collision_Map(i.X, i.Y, this);
    }
    // Walks like a skeleton: no lake, sand, lava or mountain.
    bool Check_BG_Type_Allowed(const std::string& type) override {
        return ::Check_BG_Type_Allowed(Character_Kind::Monster_Skeleton, type);
    }
    void Move_To(int x, int y) {
        Infos().X = x;
        Infos().Y = y;
        Infos().Collision_Rect = Infos().Home_Collision_Rect();
    }
};

// A 2000 x 1500 field of grass with a lake tile (64 x 64) at (640, 640); without
// the lake or the default ground when asked.
class Open_Field {
public:
    explicit Open_Field(bool lake = true, int defaultGround = 1) {
        files.Write_Sprite("grass", "Grass", 32, 32, 1, "", 1, 1);
        files.Write_Sprite("lake", "Lake", 64, 64, 2,
                           "<CollisionBox_Dimensions><X_Modifier>0</X_Modifier><Y_Modifier>0</Y_Modifier>"
                           "<CB_Width>64</CB_Width><CB_Height>64</CB_Height></CollisionBox_Dimensions>",
                           1, 1);
        files.Write_Mapping(files.Section("BF_BG_Sprite_Mapping", files.folder.c_str(),
                                          bf_test::BF_Fixture::Element("BF_BG_Sprite_Mapping", 1, "grass.xml") +
                                              bf_test::BF_Fixture::Element("BF_BG_Sprite_Mapping", 2, "lake.xml")));
        field = std::make_unique<BattleField>(files.Write_Description(
            "<Background>" + (lake ? bf_test::BF_Fixture::Sprite("Background", 640, 640, 2) : "") +
                "</Background><Environment/>",
            defaultGround));
    }
    BattleField& operator*() { return *field; }

    bf_test::BF_Fixture files;
    std::unique_ptr<BattleField> field;
};

} // namespace ch_test
