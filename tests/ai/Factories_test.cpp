// The factories and daemons on the shipped world: where monsters are placed,
// when new ones come, how the dead leave, how guards share their patrols,
// when the game is won.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Log_Capture.hpp"
#include "Shipped_World.hpp"
#include "ai/AI.hpp"
#include "ai/Characters_Map.hpp"
#include "ai/Monster_Counters.hpp"
#include "ai/Monster_Factory.hpp"
#include "ai/NPC_Factory.hpp"
#include "ai/Reference_Scans.hpp"
#include "battlefield/BF_Fixture.hpp"
#include "battlefield/BattleField.hpp"
#include "characters/CH_Test_Support.hpp"
#include "characters/Monster_Skeleton.hpp"
#include "characters/NPC_Base.hpp"
#include "data/XML_Manager.hpp"
#include "items/Actionable.hpp"
#include "items/Actionables_Manager.hpp"
#include "items/Item.hpp"
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
    Actionables_Manager drops;
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

TEST_F(Factories_Test, TheDeadLeaveOnceTheirDeathIsOverAreCountedOnceAndTheFirstKillDropsTheBow) {
    std::vector<Character_Base*> nobody;
    Actionables_Manager drops;
    Game_Settings::INITIAL_MONSTERS = 2;
    Game_Settings::BOW_DROP = 1;
    Monster_Factory<Monster_Skeleton> skeletons;
    skeletons.Create_Characters(*field, nobody, &drops);
    ASSERT_EQ(skeletons.Get_Characters().size(), 2u);
    Character_Base* dead = skeletons.Get_Characters()[0];
    Character_Base* alive = skeletons.Get_Characters()[1];
    dead->Infos().Life_State = -2;
    const GLINT::SDL::Point centre = dead->Infos().Box_Centre();
    GLINT::SDL::VideoSurface& screen = *GLINT::SDL::MediaContext::instance().getWindow()->getDisplay();
    skeletons.Show(GLINT::SDL::Rect(0, 0, 320, 240), screen);
    EXPECT_EQ(skeletons.Get_Characters().size(), 1u);
    EXPECT_EQ(skeletons.Get_Characters()[0], alive);
    EXPECT_EQ(Monster_Counters::Alive, 1);
    EXPECT_EQ(Monster_Counters::Killed, 1);
    // Its own bag, centred on its box, holds the bow: the kill was counted before the bag was filled.
    const Actionables_Manager::Key key(centre.getx() - drops.Get_Drop_Size().getw() / 2,
                                       centre.gety() - drops.Get_Drop_Size().geth() / 2);
    const auto bag = drops.Get_Actionables().find(key);
    ASSERT_NE(bag, drops.Get_Actionables().end());
    const std::vector<Item*>& items = bag->second->Get_Items();
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[items.size() - 2]->Get_Name(), "Apprentice Bow");
    EXPECT_EQ(Characters_Map::Instance().Size(), 1u);
    skeletons.Show(GLINT::SDL::Rect(0, 0, 320, 240), screen);
    EXPECT_EQ(Monster_Counters::Killed, 1);
}

// A map of the field, one byte a pixel.
struct Pixels {
    int W = 0, H = 0;
    std::vector<std::uint8_t> On;
    Pixels(int w, int h) : W(w), H(h), On(static_cast<std::size_t>(w) * h) {}
};

// At each pixel, whether any pixel of the window [dx0, dx1] x [dy0, dy1] from it is on; past the field's
// edges, pixels count as outside. Row sums then running column counts: linear in the field's size.
Pixels Any_Within(const Pixels& in, int dx0, int dx1, int dy0, int dy1, bool outside) {
    const int w = in.W, h = in.H;
    Pixels across(w, h), out(w, h);
    std::vector<int> sums(static_cast<std::size_t>(w) + 1), count(static_cast<std::size_t>(w));
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* row = &in.On[std::size_t(y) * w];
        for (int x = 0; x < w; ++x)
            sums[x + 1] = sums[x] + row[x];
        for (int x = 0; x < w; ++x) {
            const int lo = std::max(x + dx0, 0), hi = std::min(x + dx1, w - 1);
            across.On[std::size_t(y) * w + x] =
                (outside && (x + dx0 < 0 || x + dx1 >= w)) || (lo <= hi && sums[hi + 1] > sums[lo]);
        }
    }
    const auto add = [&](int y, int by) {
        if (y >= 0 && y < h)
            for (int x = 0; x < w; ++x)
                count[x] += by * across.On[std::size_t(y) * w + x];
    };
    for (int y = dy0; y < dy1; ++y)
        add(y, 1);
    for (int y = 0; y < h; ++y) {
        add(y + dy1, 1);
        const bool off = outside && (y + dy0 < 0 || y + dy1 >= h);
        for (int x = 0; x < w; ++x)
            out.On[std::size_t(y) * w + x] = off || count[x] > 0;
        add(y + dy0, -1);
    }
    return out;
}

// Where the top-left corner of a box of kind can lie: inside the field's top rows, off every cell it may not
// enter.
Pixels Free_Boxes(const reference::World& world, Character_Kind kind, int boxW, int boxH, int rows) {
    Pixels blocked(BF_Width, rows);
    const auto paint = [&](const std::vector<reference::Layer_Cell>& cells, bool ground) {
        for (const reference::Layer_Cell& c : cells) {
            const std::string& type = c.Sprite->Get_Type();
            if (ground ? Check_BG_Type_Allowed(kind, type) : Check_Env_Type_Allowed(kind, type))
                continue;
            for (int y = std::max(c.Y, 0); y < std::min(c.Y + c.H, rows); ++y)
                for (int x = std::max(c.X, 0); x < std::min(c.X + c.W, BF_Width); ++x)
                    blocked.On[std::size_t(y) * BF_Width + x] = 1;
        }
    };
    paint(world.Background, true);
    paint(world.Environment, false);
    Pixels free = Any_Within(blocked, 0, boxW - 1, 0, boxH - 1, true);
    for (std::uint8_t& p : free.On)
        p = !p;
    return free;
}

TEST_F(Factories_Test, EveryPlaceAMonsterCanDieLeavesABagTheHeroCanTake) {
    const auto box = [](const char* file) {
        return std::make_pair(XML_Manager::Get_Option_Value(file, "CB_Width"),
                              XML_Manager::Get_Option_Value(file, "CB_Height"));
    };
    const auto hero = box("Data/Characters/c_Player.xml");

    // Where the hero's box may lie, from a bag's key, for the action key to take the bag: asked of the action
    // itself, along the lines through the key's upper left neighbour, and then at the corners found.
    Actionables_Manager bags;
    ch_test::Test_Character taker(0, 0, Player_Type, false);
    const GLINT::SDL::Rect drop = bags.Get_Drop_Size();
    const int kx = 1000 - drop.getw() / 2, ky = 1000 - drop.geth() / 2;
    const auto lay = [&] {
        Game_Random::Script({0}); // a potion
        bags.Drop_Items(1000, 1000, false);
    };
    const auto takes = [&](int dx, int dy) {
        const GLINT::SDL::Rect area(static_cast<Sint16>(kx + dx), static_cast<Sint16>(ky + dy),
                                    static_cast<Uint16>(hero.first), static_cast<Uint16>(hero.second));
        return bags.Get_Drop(area, taker.Infos().CH_Inventory.get()) && (lay(), true);
    };
    const Log_Capture quiet; // one "Found: " line a bag
    lay();
    int x0 = 99, x1 = -99, y0 = 99, y1 = -99;
    for (int d = -64; d <= 64; ++d) {
        if (takes(d, -1))
            x0 = std::min(x0, d), x1 = std::max(x1, d);
        if (takes(-1, d))
            y0 = std::min(y0, d), y1 = std::max(y1, d);
    }
    ASSERT_LE(x0, x1);
    ASSERT_LE(y0, y1);
    for (int dx : {x0, x1})
        for (int dy : {y0, y1})
            ASSERT_TRUE(takes(dx, dy)) << dx << ", " << dy;

    // At each point a monster may die on: whether the hero can stand where he takes the bag centred there.
    // Sanitized builds, there to watch memory and threads, sweep the top quarter of the field.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    const int rows = BF_Height / 4;
#else
    const int rows = BF_Height;
#endif
    const reference::World world(*field);
    const int hw = drop.getw() / 2, hh = drop.geth() / 2;
    const Pixels reach = Any_Within(Free_Boxes(world, Character_Kind::Player, hero.first, hero.second,
                                               std::min(rows + 2 * drop.geth(), BF_Height)),
                                    x0 - hw, x1 - hw, y0 - hh, y1 - hh, false);
    // One pocket is known, a matter for the map: the rock at (660, 27) leaves a strip along the top edge
    // that a worm fits in and the hero does not, and a bag there lies just out of his reach.
    const GLINT::SDL::Rect pocket(660, 0, 36, 27);
    struct Kind {
        Character_Kind kind;
        const char* file;
    } kinds[] = {{Character_Kind::Monster_Skeleton, "Data/Characters/c_Monster_Skeleton.xml"},
                 {Character_Kind::Monster_Worm, "Data/Characters/c_Monster_Worm.xml"}};
    for (const Kind& k : kinds) {
        SCOPED_TRACE(k.file);
        const auto size = box(k.file);
        const Pixels free = Free_Boxes(world, k.kind, size.first, size.second, rows);
        long places = 0, lost = 0;
        std::string first;
        for (int y = 0; y < free.H; ++y)
            for (int x = 0; x < free.W; ++x) {
                if (!free.On[std::size_t(y) * free.W + x])
                    continue;
                ++places;
                const bool inPocket = x >= pocket.getx() && x + size.first <= pocket.getx() + pocket.getw() &&
                                      y + size.second <= pocket.geth();
                if (!reach.On[std::size_t(y + size.second / 2) * reach.W + x + size.first / 2] && !inPocket &&
                    lost++ == 0)
                    first = "a box at " + std::to_string(x) + ", " + std::to_string(y);
            }
        EXPECT_GT(places, long(BF_Width) * rows / 10);
        EXPECT_EQ(lost, 0) << "of " << places << " places; first: " << first;
    }
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
