#include "characters/Character.hpp"

#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <list>
#include <stdexcept>
#include <string>
#include <vector>

#include "ai/Characters_Map.hpp"
#include "battlefield/BF_Fixture.hpp"
#include "characters/CH_Test_Support.hpp"
#include "characters/Character_Animation.hpp"

using bf_test::BF_Fixture;
using GLINT::SDL::Point;

namespace {

// A kind's description, its animation-centre file, one animation and its sheet.
class Character_Description_Test : public ::testing::Test {
protected:
    void SetUp() override {
        ch_test::Use_Game_Tuning();
        Characters_Map::Instance().Clear();
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        files.Write_Tileset("stand.bmp", 16, 16, 1, 8, 1);
        files.Write("stand.xml", bf_test::Xml("Animation", "<Animation_TS_Filename>stand.bmp</Animation_TS_Filename>"
                                                           "<Frames>1</Frames><Width>16</Width><Height>16</Height>"));
        files.Write("centre.xml", bf_test::Xml("Animation_Center", "<Style>Unarmed</Style><Type>Test</Type>"
                                                                   "<Stop_Animation_Filename>stand.xml"
                                                                   "</Stop_Animation_Filename>"));
    }
    void TearDown() override { Characters_Map::Instance().Clear(); }

    // The body of a description; Replace() pieces of it to make a variant.
    std::string Body() const {
        return "<Coords><Position><Initial_X>40</Initial_X><Initial_Y>50</Initial_Y></Position>"
               "<Position><Initial_X>70</Initial_X><Initial_Y></Initial_Y></Position></Coords>"
               "<Data_Root_Directory>" + files.folder + "</Data_Root_Directory>"
               "<Default_Sprite_Width>16</Default_Sprite_Width><Default_Sprite_Height>16</Default_Sprite_Height>"
               "<Allowed_Area><Allowed_Area_H>300</Allowed_Area_H><Allowed_Area_W>400</Allowed_Area_W>"
               "<Allowed_Area_Y>20</Allowed_Area_Y><Allowed_Area_X>10</Allowed_Area_X></Allowed_Area>"
               "<Position><Initial_X>999</Initial_X><Initial_Y>999</Initial_Y></Position>"
               "<X_Modifier>2</X_Modifier><Y_Modifier>3</Y_Modifier><CB_Width>40</CB_Width><CB_Height>20</CB_Height>"
               "<Character_Type>Monster</Character_Type><Character_ID>Crawler</Character_ID>"
               "<Velocity>3</Velocity><Life>0</Life><Armor>2</Armor><Damage>6</Damage>"
               "<Primary_Attack_Animation_Center_Filename>centre.xml</Primary_Attack_Animation_Center_Filename>"
               "<Primary_Attack_Style>Melee</Primary_Attack_Style>"
               "<Attitude_When_Attacked>Aggressive</Attitude_When_Attacked>"
               "<Default_Attitude>Guard</Default_Attitude>"
               "<Attitude_Position_List><Attitude_Position_Coord><Attitude_Position_Coord_X>5</Attitude_Position_Coord_X>"
               "<Attitude_Position_Coord_Y>6</Attitude_Position_Coord_Y></Attitude_Position_Coord>"
               "<Attitude_Position_Coord><Attitude_Position_Coord_X>7</Attitude_Position_Coord_X>"
               "<Attitude_Position_Coord_Y>8</Attitude_Position_Coord_Y></Attitude_Position_Coord></Attitude_Position_List>"
               "<Attitude_Position_List><Attitude_Position_Coord><Attitude_Position_Coord_X>9</Attitude_Position_Coord_X>"
               "<Attitude_Position_Coord_Y>10</Attitude_Position_Coord_Y></Attitude_Position_Coord></Attitude_Position_List>";
    }
    static std::string Replace(std::string text, const std::string& from, const std::string& to) {
        const auto at = text.find(from);
        if (at == std::string::npos)
            throw std::logic_error("fixture: no " + from);
        return text.replace(at, from.size(), to);
    }
    void Load(const std::string& body) {
        sheets.Clear();
        secondary.Clear();
        infos = std::make_unique<CH_Base_All_Infos>();
        const std::string file = files.Write("kind.xml", bf_test::Xml("Character_Description", body));
        Character::Get_CH_Infos_From_Desc_File(file, *infos, positions, paths, sheets, secondary);
    }

    BF_Fixture files;
    std::unique_ptr<CH_Base_All_Infos> infos;
    Point_List positions;
    std::list<Point_List> paths;
    Animation_Set sheets, secondary;
};

TEST_F(Character_Description_Test, ADescriptionFillsTheTemplateAndAStopSheetStandsInForEveryAction) {
    Load(Body());
    const Characteristics& stats = *infos->CH_Characteristics;
    EXPECT_EQ(stats.Run_Velocity, 0) << "no Run_Velocity: a run does not move";
    EXPECT_EQ(stats.Life, 1) << "life 0 is stored as 1";
    EXPECT_EQ(stats.Endurance, 0);
    EXPECT_EQ(stats.Reach, 3) << "((40 / 8) + (20 / 8)) / 2 = 3 against velocity 3";
    EXPECT_EQ(stats.Character_Type, Monster_Type);
    EXPECT_EQ(stats.Character_ID, Crawler_ID);
    EXPECT_EQ(infos->Sight_Radius, 120);
    EXPECT_EQ(infos->Allowed_Area, GLINT::SDL::Rect(10, 20, 400, 300));
    EXPECT_EQ(infos->Attack_Type, 1);
    EXPECT_EQ(infos->CH_Attitudes->Attitude_Vs_MB, 0) << "absent attitudes are 0";

    // Positions after Allowed_Area are not start positions; an empty coordinate is 0.
    ASSERT_EQ(positions.size(), 2u);
    EXPECT_EQ(positions[0], Point(40, 50));
    EXPECT_EQ(positions[1], Point(70, 0));
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths.front(), (Point_List{Point(5, 6), Point(7, 8)}));
    EXPECT_EQ(paths.back(), (Point_List{Point(9, 10)}));

    // Only a stop sheet: it stands in for every action, and the character dies at once.
    ASSERT_NE(sheets.Stop, nullptr);
    EXPECT_EQ((std::vector<Character_Animation*>{sheets.Walk, sheets.Run, sheets.Attack, sheets.Hit, sheets.Pause,
                                                 sheets.Death}),
              (std::vector<Character_Animation*>{sheets.Stop, sheets.Stop, sheets.Stop, sheets.Stop, nullptr, nullptr}));
    {
        infos->X = infos->Y = 100;
        ch_test::Open_Field field;
        Character one;
        one.Set_Character_Base_Infos(*infos);
        one.Finish_Set_Up(sheets, secondary, field.field.get(), nullptr);
        ASSERT_TRUE(Characters_Map::Instance().Contains(&one));
        EXPECT_EQ(one.Infos().Collision_Rect, GLINT::SDL::Rect(102, 103, 40, 20));
        one.Infos().Life_State = 0;
        one.Behavior(*field);
        EXPECT_EQ(one.Infos().Life_State, -2);
    }

    // Reach against velocity: the larger wins.
    for (const auto& pair : {std::make_pair(2, 3), std::make_pair(4, 4)}) {
        Load(Replace(Body(), "<Velocity>3</Velocity>", "<Velocity>" + std::to_string(pair.first) + "</Velocity>"));
        EXPECT_EQ(infos->CH_Characteristics->Reach, pair.second) << pair.first;
    }
}

TEST_F(Character_Description_Test, UnusableValuesAreRefusedNamingTheFile) {
    const std::string body = Body();
    const std::string file = files.Path("kind.xml");
    struct Scenario {
        const char* name;
        std::string from, to, message;
    } scenarios[] = {
        {"box under a pixel", "<CB_Width>40</CB_Width>", "<CB_Width>0</CB_Width>",
         "Collision Box Smaller Than 1 x 1 In File " + file},
        {"no reaction to an attack", "<Attitude_When_Attacked>Aggressive</Attitude_When_Attacked>", "",
         "Attitude_When_Attacked Must Be Aggressive Or Coward In File " + file},
        {"negative velocity", "<Velocity>3</Velocity>", "<Velocity>-3</Velocity>", "Negative Velocity In File " + file},
        {"unknown type", "<Character_Type>Monster</Character_Type>", "<Character_Type>Dragon</Character_Type>",
         "Trying to convert string to Character_Types with an unknown str_Character_Type (in " + file + ")"},
        {"unknown id", "<Character_ID>Crawler</Character_ID>", "<Character_ID>Ghost</Character_ID>",
         "Trying to convert string to Character_IDs with an unknown str_Character_ID (in " + file + ")"},
        {"a weapon-style list is the player's", "<Default_Attitude>",
         "<Secondary_Style/><Secondary_Attack_Type>Multiple</Secondary_Attack_Type><Default_Attitude>",
         "sSecondary_Attack_Type == Multiple, and a CH other than Player (in " + file + ")"},
    };
    for (const Scenario& s : scenarios)
        EXPECT_EQ(ch_test::Error_Of([&] { Load(Replace(body, s.from, s.to)); }), s.message) << s.name;
}

} // namespace
