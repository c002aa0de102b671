// The factories and daemons on the shipped world: where monsters are placed,
// when new ones come, how the dead leave, how guards share their patrols,
// when the game is won.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Shipped_World.hpp"
#include "ai/AI.hpp"
#include "ai/Characters_Map.hpp"
#include "ai/Monster_Counters.hpp"
#include "ai/Monster_Factory.hpp"
#include "ai/NPC_Factory.hpp"
#include "battlefield/BF_Fixture.hpp"
#include "battlefield/BattleField.hpp"
#include "characters/CH_Test_Support.hpp"
#include "characters/Monster_Skeleton.hpp"
#include "characters/NPC_Base.hpp"
#include "items/Actionables_Manager.hpp"
#include "media/MediaContext.hpp"
#include "media/Window.hpp"
#include "shell/Daemons.hpp"
#include "shell/Game_Clock.hpp"
#include "shell/Game_Random.hpp"
#include "shell/Game_Settings.hpp"

namespace fs = std::filesystem;

// A guard kind read from a file the test writes.
class Test_Guard : public NPC_Base {
public:
    explicit Test_Guard(const CH_Base_All_Infos& templateInfos) { Set_Character_Base_Infos(templateInfos); }
};
namespace {
char Guard_File[512];
}
template <>
const char* const Character_Factory<Test_Guard>::Description_File = Guard_File;

namespace {

struct Drop_Counter : Actionables_Manager {
    void Drop_Items(int, int, bool) override { ++Drops; }
    int Drops = 0;
};

class Factories_Test : public ::testing::Test {
protected:
    void SetUp() override {
        GLINT::SDL::MediaContext& media = GLINT::SDL::MediaContext::instance();
        inGame = std::make_unique<shipped::In_Game_Dir>();
        ch_test::Use_Game_Tuning();
        Characters_Map::Instance().Clear();
        Monster_Counters::Reset();
        Game_Random::Seed(99);
        ASSERT_TRUE(media.InitVideo(false, false, true, false));
        ASSERT_TRUE(media.getWindow()->resetDisplay(320, 240, 32));
        field = std::make_unique<BattleField>(Game_Settings::BF_Map);
    }
    void TearDown() override {
        field.reset();
        Characters_Map::Instance().Clear();
        Monster_Counters::Reset();
        Game_Clock::Use_Real_Time();
        Game_Settings::Reset();
        inGame.reset();
    }

    std::unique_ptr<shipped::In_Game_Dir> inGame;
    std::unique_ptr<BattleField> field;
};

TEST_F(Factories_Test, MonstersLandInTheirZonesAwayFromTheHeroOnFreeGround) {
    ch_test::Test_Character hero(1600, 2000, Player_Type);
    hero.Infos().Default_Sprite_Width = 64;
    hero.Infos().Default_Sprite_Height = 64;
    std::vector<Character_Base*> characters{&hero};
    Monster_Factory<Monster_Skeleton> skeletons;
    const int least = static_cast<int>(std::sqrt(double(BF_Default_Sprite_Width * BF_Default_Sprite_Width +
                                                        BF_Default_Sprite_Height * BF_Default_Sprite_Height)) * 3.5);
    std::vector<std::unique_ptr<Monster_Skeleton>> placed;
    for (int i = 0; i < 40; ++i) {
        std::unique_ptr<Monster_Skeleton> m(skeletons.Create_One_Monster(*field, nullptr, characters));
        ASSERT_NE(m, nullptr);
        const CH_Base_All_Infos& infos = m->Infos();
        EXPECT_TRUE(field->Check_Cutting_Allow_Monster(infos.X, infos.Y, Undead_ID));
        const double dx = infos.X - 32 - 1600, dy = infos.Y - 32 - 2000;
        EXPECT_GT(static_cast<int>(std::sqrt(dx * dx + dy * dy) - std::sqrt(64.0 * 64 * 2) * 0.5), least);
        Monster_Skeleton probe;
        probe.Infos().Copy_From(infos);
        probe.Infos().Collision_Rect = probe.Infos().Home_Collision_Rect();
        EXPECT_TRUE(AI::Manage_Collisions_Full(probe, *field, false)) << infos.X << "," << infos.Y;
        ASSERT_TRUE(Characters_Map::Instance().Contains(m.get()));
        placed.push_back(std::move(m));
    }
}

TEST_F(Factories_Test, AFieldWithNoRoomGivesUpWithinTheBound) {
    bf_test::BF_Fixture files;
    files.Write_Sprite("lava", "Lava", 384, 384, 1, bf_test::BF_Fixture::Box(0, 0, 384, 384), 1, 1);
    files.Write_Mapping({{1, "lava"}}, {});
    // The kind comes from the shipped file; its boxes reach past the small field, into lava too.
    Monster_Factory<Monster_Skeleton> skeletons;
    BattleField lava(files.Write_Description(
        bf_test::BF_Fixture::Layers(bf_test::BF_Fixture::Sprite("Background", 0, 0, 1), ""), 0, 256, 256));
    std::vector<Character_Base*> nobody;
    const std::size_t before = Characters_Map::Instance().Size();
    EXPECT_EQ(skeletons.Create_One_Monster(lava, nullptr, nobody), nullptr);
    EXPECT_EQ(Characters_Map::Instance().Size(), before);
    Game_Settings::INITIAL_MONSTERS = 3;
    Monster_Factory<Monster_Skeleton> more;
    EXPECT_TRUE(more.Create_Characters(lava, nobody, nullptr).empty());
    EXPECT_EQ(Monster_Counters::Alive, 0);
}

TEST_F(Factories_Test, GenerationFillsUpToTheMostAliveByItsChance) {
    std::vector<Character_Base*> nobody;
    Drop_Counter drops;
    Game_Settings::MAX_MONSTERS_SIMULTANEOUSLY = 3;
    Monster_Factory<Monster_Skeleton> skeletons;
    // Empty factory of 3: a draw above 100 * 3 / 9 = 33.3 creates.
    Game_Random::Script({33});
    EXPECT_TRUE(skeletons.Generate_New_Monster(*field, nobody, &drops).empty());
    Game_Random::Script({34});
    EXPECT_EQ(skeletons.Generate_New_Monster(*field, nobody, &drops).size(), 1u);
    EXPECT_EQ(Monster_Counters::Alive, 1);
    for (int i = 0; i < 200; ++i)
        skeletons.Generate_New_Monster(*field, nobody, &drops);
    EXPECT_EQ(skeletons.Get_Characters().size(), 3u) << "never more than the most alive";
    EXPECT_EQ(Monster_Counters::Alive, 3);

    Game_Settings::MAX_MONSTERS_SIMULTANEOUSLY = 0;
    Monster_Factory<Monster_Skeleton> none;
    for (int i = 0; i < 50; ++i)
        EXPECT_TRUE(none.Generate_New_Monster(*field, nobody, &drops).empty());
}

TEST_F(Factories_Test, TheDeadLeaveOnceTheirDeathIsOverAndAreCountedOnce) {
    std::vector<Character_Base*> nobody;
    Drop_Counter drops;
    Game_Settings::INITIAL_MONSTERS = 2;
    Monster_Factory<Monster_Skeleton> skeletons;
    skeletons.Create_Characters(*field, nobody, &drops);
    ASSERT_EQ(skeletons.Get_Characters().size(), 2u);
    Character_Base* dead = skeletons.Get_Characters()[0];
    Character_Base* alive = skeletons.Get_Characters()[1];
    dead->Infos().Life_State = -2;
    GLINT::SDL::VideoSurface& screen = *GLINT::SDL::MediaContext::instance().getWindow()->getDisplay();
    skeletons.Show(GLINT::SDL::Rect(0, 0, 320, 240), screen);
    EXPECT_EQ(skeletons.Get_Characters().size(), 1u);
    EXPECT_EQ(skeletons.Get_Characters()[0], alive);
    EXPECT_EQ(Monster_Counters::Alive, 1);
    EXPECT_EQ(Monster_Counters::Killed, 1);
    EXPECT_EQ(drops.Drops, 1);
    EXPECT_EQ(Characters_Map::Instance().Size(), 1u);
    skeletons.Show(GLINT::SDL::Rect(0, 0, 320, 240), screen);
    EXPECT_EQ(Monster_Counters::Killed, 1);
}

TEST_F(Factories_Test, LifeBarsKeepTheirSizeInEightBits) {
    bf_test::BF_Fixture files;
    files.Write_Tileset("bars.bmp", 8, 4, 1, 2, 1);
    const std::string file = files.Write(
        "bars.xml", bf_test::Xml("Bars_Tileset", "<Tileset_Filename>" + files.Path("bars.bmp") +
                                                     "</Tileset_Filename><Bars_Width>300</Bars_Width>"
                                                     "<Bars_Height>5</Bars_Height>"));
    std::unique_ptr<GLINT::SDL::RGBSurface> bars;
    GLINT::SDL::Rect full, current;
    Monster_Factory<Monster_Skeleton>::Read_Life_Bar_File(file, bars, full, current);
    EXPECT_EQ(full, GLINT::SDL::Rect(0, 0, 44, 5));
    EXPECT_EQ(current, GLINT::SDL::Rect(0, 5, 44, 5));
}

TEST_F(Factories_Test, GuardsTakeThePatrolsInOrderAndAThirdGoesWithout) {
    // The shipped guard, with three start positions and two patrols.
    std::ifstream in("Data/Characters/c_NPC_Guard_w_OneH_Sword.xml");
    std::stringstream text;
    text << in.rdbuf();
    std::string guard = text.str();
    const std::string coords = "<Coords>";
    guard.replace(guard.find(coords), coords.size(),
                  "<Coords><Position><Initial_X>1300</Initial_X><Initial_Y>1600</Initial_Y></Position>"
                  "<Position><Initial_X>1400</Initial_X><Initial_Y>1600</Initial_Y></Position>");
    const std::string listEnd = "</Attitude_Position_List>";
    guard.replace(guard.find(listEnd), listEnd.size(),
                  listEnd + "<Attitude_Position_List><Attitude_Position_Coord><Attitude_Position_Coord_X>11"
                            "</Attitude_Position_Coord_X><Attitude_Position_Coord_Y>12</Attitude_Position_Coord_Y>"
                            "</Attitude_Position_Coord></Attitude_Position_List>");
    bf_test::BF_Fixture files;
    const fs::path dir = files.folder;
    fs::create_directories(dir / "x");
    fs::create_directories(dir / "DTD");
    fs::copy_file("Data/DTD/Character_Description.dtd", dir / "DTD/Character_Description.dtd");
    std::ofstream(dir / "x/guards.xml") << guard;
    std::snprintf(Guard_File, sizeof Guard_File, "%s", (dir / "x/guards.xml").c_str());

    {
        NPC_Factory<Test_Guard> guards;
        std::vector<Character_Base*> nobody;
        guards.Create_Characters(*field, nobody, nullptr);
        ASSERT_EQ(guards.Get_Characters().size(), 3u);
        const auto path = [&](int i) { return guards.Get_Characters()[i]->Infos().CH_Attitudes->Guard_Path; };
        EXPECT_GT(path(0).size(), 1u) << "the first patrol of the file";
        EXPECT_EQ(path(1), (Point_List{GLINT::SDL::Point(11, 12)}));
        EXPECT_TRUE(path(2).empty()) << "no patrol left";
        for (Character_Base* g : guards.Get_Characters())
            EXPECT_EQ(g->Infos().CH_Characteristics->Character_Type, NPC_Type);
    }
}

TEST(Daemons_Test, VictoryOnlyFromPlayAndTheTimeIsKept) {
    Game_Settings::Reset();
    Monster_Counters::Reset();
    Daemons daemons(nullptr, nullptr, nullptr, nullptr);
    Game_Clock::Set(10000);
    Daemons::Start_Game_Time();
    Game_Clock::Set(10000 + 3725 * 1000 + 999);

    struct Scenario {
        int state;
        unsigned result;
        int stateAfter;
    } scenarios[] = {
        {4, 1000, 4}, // the escape menu: the check waits
        {6, 1000, 6}, // capturing a key: likewise
        {7, 0, 7},    // dead: nothing to win any more
        {8, 0, 8},
        {3, 0, 5},
    };
    for (const Scenario& s : scenarios) {
        Game_Settings::GLOBAL_GAME_STATE = s.state;
        EXPECT_EQ(daemons.Check_Victory(1000, nullptr), s.result) << s.state;
        EXPECT_EQ(Game_Settings::GLOBAL_GAME_STATE.load(), s.stateAfter) << s.state;
    }
    EXPECT_EQ(Daemons::Get_Elapsed_Seconds(), 3725u);
    Game_Clock::Advance(60000);
    EXPECT_EQ(Daemons::Get_Elapsed_Seconds(), 3725u) << "the time used stays once won";

    // Monsters alive: play goes on.
    Daemons::Start_Game_Time();
    Game_Settings::GLOBAL_GAME_STATE = 3;
    Monster_Counters::Alive = 2;
    EXPECT_EQ(daemons.Check_Victory(1000, nullptr), 1000u);
    EXPECT_EQ(Game_Settings::GLOBAL_GAME_STATE.load(), 3);

    // Generation stops for good after the victory and in the credits.
    for (int state : {5, 8}) {
        Game_Settings::GLOBAL_GAME_STATE = state;
        EXPECT_EQ(daemons.Generate_Monsters(45000, nullptr), 0u);
    }
    Game_Settings::GLOBAL_GAME_STATE = 4;
    EXPECT_EQ(daemons.Generate_Monsters(45000, nullptr), 45000u);
    Monster_Counters::Reset();
    Game_Clock::Use_Real_Time();
    Game_Settings::Reset();
}

} // namespace
