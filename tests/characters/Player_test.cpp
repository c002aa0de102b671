#include "characters/Player.hpp"

#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include "characters/Character_Animation.hpp"
#include "characters/Character_Animations_Center.hpp"
#include "characters/Player_Test_Support.hpp"
#include "interface/Sounds_And_Musics.hpp"
#include "items/Apprentice_Sword.hpp"
#include "items/Inventory.hpp"
#include "shell/Status_Message.hpp"

using GLINT::SDL::Rect;
using player_test::Player_Files;
using player_test::Tag;

namespace {

using Shipped_Hero_Test = player_test::Shipped_Hero;
using ch_test::Error_Of;

// A hero made from files the test writes.
class Hero_Files_Test : public player_test::Shipped_Hero {
protected:
    Player& Hero(const std::string& description, const std::string& bars = "") {
        hero.reset();
        hero = std::make_unique<Player>(*field, description, bars.empty() ? files.Bars() : bars);
        return *hero;
    }
    Player_Files files;
};

} // namespace

TEST_F(Shipped_Hero_Test, LoadsTheSetsItsFilesNameRegistersAndEndsTheGameDead) {
    EXPECT_EQ(Character_Base::Player_Sprite_Width, 64);
    EXPECT_EQ(hero->Get_Camera(), Rect(0, 0, 800, 600));
    EXPECT_TRUE(Characters_Map::Instance().Contains(hero.get()));
    EXPECT_EQ(hero->Infos().Animation_Center, hero->Infos().Primary_Animation_Center.get());
    for (int style = 0; style < Player::Style_Count; ++style)
        EXPECT_EQ(hero->Get_Style_Center(Player::Weapon_Style(style)) != nullptr,
                  style == Player::One_Handed_Sword || style == Player::Bow)
            << style;

    // A dead hero ends the game.
    GLINT::SDL::RGBSurface screen(64, 64, 32);
    hero->Show(hero->Get_Camera(), screen);
    EXPECT_EQ(Game_Settings::GLOBAL_GAME_STATE, 3);
    hero->Infos().Life_State = -2;
    hero->Show(hero->Get_Camera(), screen);
    EXPECT_EQ(Game_Settings::GLOBAL_GAME_STATE, 7);
}

// A missing file is refused by name wherever the damaged-data sweep deletes it; this one fails
// late, once the hero is registered and his first set loaded.
TEST_F(Hero_Files_Test, ABrokenStyleFileIsRefusedByNameAndLeavesNoHeroBehind) {
    files.File("styles.xml", "Weapon_Styles",
               "<Melee>" + Tag("One_Handed_Sword_Animation_Center", "gone.xml") + "</Melee>");
    const std::string file = files.Description(files.Centre("bare", {"Stop"}), Player_Files::Multiple("styles.xml"));
    hero.reset();
    const std::string error = Error_Of([&] { Player broken(*field, file, files.Bars()); });
    EXPECT_EQ(error.rfind("Exception In Player Constructor : From Player::Parse_Description_File(), From "
                          "Player::Define_Attack_Styles(), From Player_Base::Generate_Animation_Center(), ",
                          0),
              0u)
        << error;
    EXPECT_NE(error.find("gone.xml"), std::string::npos) << error;
    EXPECT_TRUE(Characters_Map::Instance().Empty());
}

TEST_F(Shipped_Hero_Test, TheCameraCentresOnTheHeroInsideTheField) {
    struct Scenario {
        int fieldW, fieldH, x, y;
        Sint16 cameraX, cameraY;
    } scenarios[] = {
        {2000, 1500, 1000, 700, 616, 416}, // 1000 + 16 - 400, 700 + 16 - 300
        {2000, 1500, 1990, 10, 1200, 0},
        {2000, 1500, 5, 1490, 0, 900},
        {600, 400, 300, 200, -200, -200}, // narrower than the screen: left of and above it
    };
    const int savedW = BF_Width, savedH = BF_Height;
    hero->Infos().Default_Sprite_Width = hero->Infos().Default_Sprite_Height = 32;
    for (const Scenario& s : scenarios) {
        BF_Width = s.fieldW;
        BF_Height = s.fieldH;
        hero->Infos().X = s.x;
        hero->Infos().Y = s.y;
        hero->Set_Following_Camera();
        EXPECT_EQ(hero->Get_Camera(), Rect(s.cameraX, s.cameraY, 800, 600)) << s.x << "," << s.y;
    }
    BF_Width = savedW;
    BF_Height = savedH;
}

TEST_F(Shipped_Hero_Test, DrawnWeaponsChooseTheSetAndAMissingStyleKeepsTheCurrentOne) {
    struct Step {
        int type, subType; // type -1: put away
        int style;         // -1: the unarmed set
    } steps[] = {{1, 1, Player::One_Handed_Sword}, {1, 3, Player::One_Handed_Sword}, {2, 1, Player::Bow},
                 {2, 3, Player::Bow},              {1, 11, Player::Bow},              {-1, 0, -1}};
    CH_Base_All_Infos& infos = hero->Infos();
    for (const Step& s : steps) {
        if (s.type < 0)
            hero->Hide_Weapon();
        else
            hero->Interpret_DrawnWeapon(s.type, s.subType);
        Character_Animations_Center* expected = s.style < 0 ? infos.Primary_Animation_Center.get()
                                                            : hero->Get_Style_Center(Player::Weapon_Style(s.style));
        EXPECT_EQ(infos.Animation_Center, expected) << s.type << "/" << s.subType;
        EXPECT_EQ(infos.Attack_Type, s.type < 0 ? 0 : s.type);
        // Standing, he shows the standing sheet of the set he now holds.
        EXPECT_EQ(infos.Current_Sheet, expected->Get_Stop()->Sheet);
    }

    // The apprentice sword's bonuses while it is out.
    {
        shipped::In_Game_Dir here;
        infos.CH_Inventory->Add(new Apprentice_Sword());
    }
    hero->Interpret_DrawnWeapon(infos.CH_Inventory->Draw_Melee_Weapon());
    EXPECT_EQ(infos.Animation_Center, hero->Get_Style_Center(Player::One_Handed_Sword));
    EXPECT_EQ(Stats().Damage_Max, Stats().Base_Damage + infos.CH_Inventory->Get_Drawn_Damage_Max());
    EXPECT_GT(Stats().Damage_Max, Stats().Base_Damage);
    hero->Hide_Weapon();
    EXPECT_EQ(Stats().Damage_Max, Stats().Base_Damage);
}

// A cycle ends with its last frame: the shipped sheets' eight steps of 4 pixels every 45 ms and six
// blows' frames every 60 ms, played at 60 frames a second.
TEST_F(Shipped_Hero_Test, HeWalks96PixelsASecondAndStrikesUnarmedIn300Ms) {
    const Uint32 start = Game_Clock::Now();
    Uint32 frames = 0;
    const auto frame = [&] {
        Game_Clock::Set(start + ++frames * 1000 / 60);
        hero->Behavior(*field);
    };
    hero->Infos().Direction = Game_Settings::CH_RIGHT;
    Stats().Vector_X = 1.0f;
    while (frames < 60)
        frame();
    EXPECT_EQ(hero->Infos().X, 600 + 96);

    Stats().Vector_X = 0.0f;
    frame();
    EXPECT_EQ(hero->Infos().Anim_State, -1);
    hero->Start_Attack();
    ASSERT_EQ(hero->Infos().Attack_State, 2);
    const Uint32 struck = Game_Clock::Now();
    while (hero->Infos().Attack_State != 0 && frames < 200)
        frame();
    EXPECT_EQ(Game_Clock::Now() - struck, 300u);
}

TEST_F(Hero_Files_Test, SheetsTheSetLacksAreNeverPlayed) {
    Log_Capture log;
    CH_Base_All_Infos& infos = Hero(files.Description(files.Centre("bare", {"Stop"}))).Infos();
    infos.CH_Characteristics->Vector_X = 1.0f;
    Frames(10);
    EXPECT_EQ(infos.X, 400) << "walked without a walk sheet";
    infos.CH_Characteristics->Vector_X = 0.0f;
    hero->Start_Attack();
    EXPECT_EQ(infos.Attack_State, 0);
    infos.Hit_State = 2;
    Frames(1);
    EXPECT_EQ(infos.Hit_State, 0);
    infos.Life_State = 0;
    Frames(1);
    EXPECT_EQ(infos.Life_State, -2);
    EXPECT_EQ(log.str().find("Error"), std::string::npos) << log.str();

    // Without a run sheet he walks instead.
    Hero(files.Description(files.Centre("walker", {"Stop", "Walk"})));
    Stats().Vector_X = 1.0f;
    Stats().Running = true;
    Frames(1);
    EXPECT_EQ(hero->Infos().X, 404);
    EXPECT_EQ(hero->Get_Style_Center(Player::Bow), nullptr) << "no weapon styles without a secondary style";
}

TEST(Player_Bars, FillIsProportionalAndClamped) {
    struct Scenario {
        int width, value, maximum, fill;
    } scenarios[] = {{120, 50, 100, 60}, {160, 1, 3, 53}, {120, 150, 100, 120}, {120, -5, 100, 0},
                     {120, 10, 0, 0},    {120, 0, 0, 0},  {255, 2000000, 2000001, 254}};
    for (const Scenario& s : scenarios)
        EXPECT_EQ(Player::Fill_Width(s.width, s.value, s.maximum), s.fill) << s.value << "/" << s.maximum;
}

TEST_F(Hero_Files_Test, BarsAreDrawnTopLeftToTheirFillTheirValuesBytes) {
    // Every value one byte's worth too large: they wrap to magenta and 120 x 8.
    const std::string key = "<Tileset_ColorKey>" + Tag("TS_CK_R", 511) + Tag("TS_CK_G", 256) + Tag("TS_CK_B", 511) +
                            "</Tileset_ColorKey>";
    Hero(files.Description(files.Centre("bare", {"Stop"})), files.Bars(key, 376, 264));
    Stats().Life = 50;
    Stats().Max_Endurance = 0; // drawn empty, not divided by
    GLINT::SDL::RGBSurface screen(200, 40, 32);
    screen.fill(GLINT::SDL::RGBColor(0, 0, 0));
    hero->Show_Characteristics_Bars(screen);
    auto pixel = [&](int x, int y) {
        Uint8 r, g, b;
        SDL_GetRGB(screen.getpixel(x, y), screen.getFormat(), &r, &g, &b);
        return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
    };
    const auto row = [](int r) { return bf_test::Tile_Colour(7, 0, r); };
    EXPECT_EQ(pixel(59, 4), row(1));
    EXPECT_EQ(pixel(60, 4), row(0));
    EXPECT_EQ(pixel(30, 12), row(2));
    EXPECT_EQ(pixel(0, 20), row(0));
    EXPECT_EQ(pixel(150, 4), 0u);
    EXPECT_EQ(pixel(1, 1), 0u) << "the colour key";
}

TEST(Player_Sounds, FootstepsByGroundLavaSoundingLikeTheWay) {
    EXPECT_EQ(Player::Footstep_Sound("Lava", false), Player::Footstep_Sound("Way", false));
    EXPECT_EQ(Player::Footstep_Sound("Lava", true), &SFX_RunWay_Lava);
    EXPECT_EQ(Player::Footstep_Sound("Moutain", false), &SFX_WalkMountain);
    EXPECT_EQ(Player::Footstep_Sound("Snow", true), &SFX_RunSnow);
    for (const char* none : {"Mountain", "grass", "Building", ""})
        EXPECT_EQ(Player::Footstep_Sound(none, false), nullptr) << none;

    ch_test::Open_Field field;
    EXPECT_EQ(Player::Ground_Type_Under(*field, Rect(630, 650, 20, 20)), "Lake");
    EXPECT_EQ(Player::Ground_Type_Under(*field, Rect(620, 650, 20, 20)), "Grass") << "touching is not standing on";
    ch_test::Open_Field nothing(false, 0);
    EXPECT_EQ(Error_Of([&] { Player::Ground_Type_Under(*nothing, Rect(0, 0, 9, 9)); }), "BG Type could not be found");
}

TEST_F(Shipped_Hero_Test, AttackMessagesGoToTheStatusLineAndTheLog) {
    struct Scenario {
        int type, result;
        const char *status, *log;
    } scenarios[] = {
        {0, 0, " Unarmed Miss ", ">>> Unarmed Miss <<< "}, {0, 1, " Unarmed Hit ", ">>> Humanoid Hit <<< "},
        {1, 0, " Melee Miss ", ">>> Melee Miss <<< "},     {1, 2, " Melee Hit ", ">>> Crawler Hit <<< "},
        {2, 3, " Distant Hit ", ">>> Undead Hit <<< "},    {1, 7, " Melee Hit ", nullptr},
    };
    for (const Scenario& s : scenarios) {
        Status_Message::Reset();
        hero->Infos().Attack_Type = s.type;
        hero->Infos().Attack_Result = s.result;
        Log_Capture log;
        hero->Set_Attack_Msg();
        EXPECT_TRUE(Status_Message::Changed());
        EXPECT_EQ(Status_Message::Text(), s.status);
        EXPECT_EQ(log.str(), s.log ? std::string("\nVarnholt : ") + s.log + "\n" : "") << s.status;
    }
    hero->Infos().Attack_Type = 4;
    EXPECT_EQ(Error_Of([&] { hero->Set_Attack_Msg(); }),
              "Error In Player::Set_Attack_Msg() : Unhandled Current_Attack_Type");
    Status_Message::Reset();
}
