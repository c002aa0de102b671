#pragma once

// The hero for the tests: the shipped one on the small open field, or one
// built from files written here; the game log captured on demand.

#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ai/Characters_Map.hpp"
#include "characters/CH_Test_Support.hpp"
#include "characters/Player.hpp"
#include "Log_Capture.hpp"
#include "media/Logger.hpp"
#include "shell/Game_Clock.hpp"
#include "Shipped_World.hpp"

namespace player_test {

using ch_test::Tag;

// A hero's files, 8 x 8 sheets of 4 frames.
class Player_Files : public bf_test::BF_Fixture {
public:
    std::string File(const std::string& name, const std::string& root, const std::string& body) {
        return Write(name, bf_test::Xml(root, body));
    }

    // An animation-centre file naming one sheet per slot ("Stop", "Walk"...).
    std::string Centre(const std::string& name, const std::vector<std::string>& slots) {
        std::string body = Tag("Style", name) + Tag("Type", name);
        for (const std::string& slot : slots) {
            const std::string sheet = name + "_" + slot;
            Write_Tileset(sheet + ".bmp", 8, 8, 4, 8, 1);
            File(sheet + ".xml", "Animation",
                 Tag("Animation_TS_Filename", sheet + ".bmp") + Tag("Frames", 4) + Tag("Frames_Interval", 10) +
                     Tag("Width", 8) + Tag("Height", 8));
            body += Tag(slot + "_Animation_Filename", sheet + ".xml");
        }
        File(name + ".xml", "Animation_Center", body);
        return name + ".xml";
    }

    // A hero at (400, 300), box 20 x 20 at (+4, +4), speeds 4 and 8.
    std::string Description(const std::string& primary, const std::string& secondary = "") {
        return File("player.xml", "Player_Description",
                    Tag("Data_Root_Directory", folder) + Tag("Default_Sprite_Width", 32) +
                        Tag("Default_Sprite_Height", 32) + "<Coords>" + Tag("Initial_X", 400) +
                        Tag("Initial_Y", 300) + "</Coords>" + Tag("X_Modifier", 4) + Tag("Y_Modifier", 4) +
                        Tag("CB_Width", 20) + Tag("CB_Height", 20) + Tag("Velocity", 4) + Tag("Run_Velocity", 8) +
                        Tag("Life", 100) + Tag("Endurance", 60) + Tag("Armor", 1) + Tag("Damage", 4) +
                        Tag("Character_Type", "Player") + Tag("Character_ID", "Humanoid") +
                        Tag("Primary_Attack_Animation_Center_Filename", primary) +
                        Tag("Primary_Attack_Style", "Unarmed") + secondary);
    }

    static std::string Multiple(const std::string& stylesFile) {
        return "<Secondary_Style>" + Tag("Secondary_Attack_Style", "Multiple") + "</Secondary_Style>" +
               Tag("Secondary_Attack_Animation_Center_Filename", stylesFile);
    }

    // Four rows of 120 x 8, row r coloured Tile_Colour(7, 0, r) with its magenta pixel; no colour key
    // unless given, and the size may be given as more than a byte holds.
    std::string Bars(const std::string& key = "", int width = 120, int height = 8) {
        Write_Tileset("bars.bmp", 120, 8, 1, 4, 7);
        return File("bars.xml", "Bars_Tileset",
                    key + Tag("Tileset_Filename", Path("bars.bmp")) + Tag("Bars_Width", width) +
                        Tag("Bars_Height", height));
    }
};

// The shipped hero on the open field, the game's directions, an 800 x 600
// screen and a clock of its own.
class Shipped_Hero : public ::testing::Test {
protected:
    void SetUp() override {
        ch_test::Use_Game_Tuning();
        Game_Settings::Current_Screen_Width = 800;
        Game_Settings::Current_Screen_Height = 600;
        Characters_Map::Instance().Clear();
        Game_Clock::Set(100000);
        shipped::In_Game_Dir here;
        hero = std::make_unique<Player>(*field);
        Place(600, 300);
    }
    void TearDown() override {
        hero.reset();
        Characters_Map::Instance().Clear();
        Game_Clock::Use_Real_Time();
        Game_Settings::Reset();
    }

    void Place(int x, int y) {
        hero->Infos().X = x;
        hero->Infos().Y = y;
        hero->Infos().Collision_Rect = hero->Infos().Home_Collision_Rect();
    }
    // Behaviour frames 20 ms apart.
    void Frames(int count) {
        for (int i = 0; i < count; ++i) {
            Game_Clock::Advance(20);
            hero->Behavior(*field);
        }
    }
    Characteristics& Stats() { return *hero->Infos().CH_Characteristics; }

    ch_test::Open_Field field;
    std::unique_ptr<Player> hero;
};

} // namespace player_test
