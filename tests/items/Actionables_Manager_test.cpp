// Chests and drop bags: what a death leaves, how bags merge, erode and are
// picked up, and the chest that opens once.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Log_Capture.hpp"
#include "items/Actionables_Manager.hpp"
#include "items/Chest.hpp"
#include "items/Drop.hpp"
#include "items/Inventory.hpp"
#include "items/Item.hpp"
#include "items/Items_Test_Support.hpp"
#include "items/Projectile_Stack.hpp"
#include "media/NewTimer.hpp"
#include "media/RGBSurface.hpp"
#include "shell/Status_Message.hpp"

using ch_test::Test_Character;
using GLINT::SDL::Rect;
using Key = Actionables_Manager::Key;
using Names = std::vector<std::string>;
using namespace items_test;

namespace {

// Draws that make the potion roll (1 in 100) and miss it (100 in 100).
const int Potion = 0;
const int No_Potion = 99;
const Key Chest_Key(300, 300);

// The erosion timer binds to the callback as it is.
[[maybe_unused]] const GLINT::SDL::NewTimer<Actionables_Manager>::Method Erosion_Callback =
    &Actionables_Manager::Check_Drops_Erosion;

class Actionables_Test : public Items_Fixture {
protected:
    void SetUp() override {
        Items_Fixture::SetUp();
        Game_Settings::BOW_DROP = 3;
        Game_Settings::DROP_TIME_BF4_EROSION = 90;
        manager = std::make_unique<Actionables_Manager>();
    }
    void TearDown() override {
        manager.reset();
        Items_Fixture::TearDown();
    }

    // A death whose bag gets its top-left corner at key.
    void Death_At(Key key, int draw) {
        Game_Random::Script({draw});
        manager->Drop_Items(key.first + 16, key.second + 16, false);
    }
    Actionable* At(Key key) const {
        const auto found = manager->Get_Actionables().find(key);
        return found == manager->Get_Actionables().end() ? nullptr : found->second;
    }
    Drop* Bag_At(Key key) const { return dynamic_cast<Drop*>(At(key)); }
    Chest* The_Chest() const { return dynamic_cast<Chest*>(At(Chest_Key)); }
    // The names of what lies at key, none without a bag or chest there.
    Names Names_At(Key key) const {
        Names names;
        if (const Actionable* lying = At(key))
            for (const Item* item : lying->Get_Items())
                names.push_back(item->Get_Name());
        return names;
    }
    Inventory& Pack() { return *hero.Infos().CH_Inventory; }

    std::unique_ptr<Actionables_Manager> manager;
    Test_Character hero{0, 0, Player_Type, false};
};

TEST_F(Actionables_Test, APotionComesMoreOftenTheLongerItIsAwaited) {
    struct Death {
        const char* name;
        int draw;
        bool potion;
        Uint32 deathsAfter;
    } deaths[] = {
        {"first death: 26 in 100", 25, true, 0},
        {"just after a potion: 27 is too high", 26, false, 1},
        {"one death without: 27 in 100", 26, true, 0},
        {"a certain miss", No_Potion, false, 1},
    };
    int x = 0;
    for (const Death& d : deaths) {
        const Key key(x += 100, 600);
        Death_At(key, d.draw);
        // An empty bag is never placed.
        EXPECT_EQ(Names_At(key), (d.potion ? Names{"Healing Potion"} : Names{})) << d.name;
        EXPECT_EQ(manager->Get_Deaths_Since_Potion(), d.deathsAfter) << d.name;
    }
}

TEST_F(Actionables_Test, TheBowDropsAtTheBowDropKillAndNeverErodes) {
    struct Scenario {
        const char* name;
        unsigned bowDrop;
        int killed;
        bool bow;
    } scenarios[] = {
        {"the third kill", 3, 3, true},
        {"before it", 3, 2, false},
        {"after it", 3, 4, false},
        {"BOW_DROP 0 never drops a bow", 0, 0, false},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        Game_Settings::BOW_DROP = s.bowDrop;
        Monster_Counters::Killed = s.killed;
        const Key key(100, 100);
        Death_At(key, No_Potion);
        ASSERT_EQ(Names_At(key), (s.bow ? Names{"Apprentice Bow", "Normal Arrow"} : Names{}));
        if (!s.bow)
            continue;
        const auto* arrows = dynamic_cast<const Projectile_Stack*>(Bag_At(key)->Get_Items()[1]);
        ASSERT_NE(arrows, nullptr);
        EXPECT_EQ(arrows->Get_Count(), 99999);
        EXPECT_EQ(Bag_At(key)->Erosion_State, Drop::Permanent);
        manager->Get_Drop(Rect(90, 90, 20, 20), &Pack()); // clears the key for the next scenario
    }
}

TEST_F(Actionables_Test, BagsOnOneKeyMergeNewestFirstAndThePermanentBagStaysPermanent) {
    struct Scenario {
        const char* name;
        int firstKilled, secondKilled, firstDraw, secondDraw;
        Names items;
    } scenarios[] = {
        {"a bow bag falls on a potion bag", 1, 3, Potion, Potion,
         {"Healing Potion", "Apprentice Bow", "Normal Arrow", "Healing Potion"}},
        {"a potion bag falls on the bow bag", 3, 4, No_Potion, Potion,
         {"Healing Potion", "Apprentice Bow", "Normal Arrow"}},
    };
    const Key key(700, 700);
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        Game_Clock::Set(10000);
        Monster_Counters::Killed = s.firstKilled;
        Death_At(key, s.firstDraw);
        const Item* older = Bag_At(key)->Get_Items().back();
        Game_Clock::Set(50000);
        Monster_Counters::Killed = s.secondKilled;
        Death_At(key, s.secondDraw);
        ASSERT_NE(Bag_At(key), nullptr);
        EXPECT_EQ(Names_At(key), s.items);
        EXPECT_EQ(Bag_At(key)->Get_Items().back(), older) << "the older items, moved, not copied";
        EXPECT_EQ(Bag_At(key)->Erosion_State, Drop::Permanent);
        EXPECT_EQ(Bag_At(key)->Drop_Time, 50u);
        EXPECT_EQ(manager->Get_Actionables().size(), 2u) << "the chest and one bag";
        ASSERT_TRUE(manager->Get_Drop(Rect(690, 690, 20, 20), &Pack()));
        std::string found = "Found: ";
        for (const std::string& name : s.items)
            found += (&name == &s.items.front() ? "" : ", ") + name;
        EXPECT_EQ(Status_Message::Text(), found);
    }
}

TEST_F(Actionables_Test, BagsErodeAfterTheirTimeAndGoAtTheNextFrame) {
    GLINT::SDL::RGBSurface screen(64, 64, 32);
    const Key lying(100, 100), bow(600, 600);
    Game_Clock::Set(10000);
    Death_At(lying, Potion);
    Monster_Counters::Killed = 3;
    Death_At(bow, No_Potion);
    struct Check {
        const char* name;
        Uint32 now;
        Sint16 lyingState;
    } checks[] = {
        {"a moment too early", 99999, Drop::Lying},
        {"90 seconds later", 100000, Drop::Eroded},
        {"long after", 4000000000u, Drop::Eroded},
    };
    for (const Check& c : checks) {
        Game_Clock::Set(c.now);
        EXPECT_EQ(manager->Check_Drops_Erosion(5000, nullptr), 5000u) << c.name << ": the timer keeps running";
        EXPECT_EQ(Bag_At(lying)->Erosion_State, c.lyingState) << c.name;
        EXPECT_EQ(Bag_At(bow)->Erosion_State, Drop::Permanent) << c.name;
    }
    manager->Show_Actionables(Rect(0, 0, 64, 64), screen);
    EXPECT_EQ(Bag_At(lying), nullptr);
    EXPECT_NE(Bag_At(bow), nullptr);

    // With no time before erosion a bag goes at the first check.
    Game_Settings::DROP_TIME_BF4_EROSION = 0;
    Monster_Counters::Killed = 4;
    Death_At(lying, Potion);
    manager->Check_Drops_Erosion(1, nullptr);
    EXPECT_EQ(Bag_At(lying)->Erosion_State, Drop::Eroded);
}

TEST_F(Actionables_Test, GetDropTakesTheFirstBagWhosePictureTheAreaOverlapsAndSaysWhatWasFound) {
    // Two 32 x 32 bags, the second 20 pixels right of the first.
    const Key first(184, 184), second(204, 184);
    struct Scenario {
        const char* name;
        Rect area;
        const Key* taken;
    } scenarios[] = {
        {"over both: the smaller key", Rect(180, 180, 60, 20), &first},
        {"standing on it", Rect(186, 190, 10, 10), &first},
        {"its key just inside", Rect(183, 183, 10, 10), &first},
        {"touching its left edge", Rect(164, 190, 20, 10), nullptr},
        {"touching its top edge", Rect(186, 164, 10, 20), nullptr},
        {"touching its bottom edge", Rect(186, 216, 10, 10), nullptr},
        {"past the first, on the second", Rect(226, 200, 20, 36), &second},
        {"touching the second's right edge", Rect(236, 190, 20, 36), nullptr},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        manager = std::make_unique<Actionables_Manager>();
        Pack().Clean_Inventory();
        Status_Message::Reset();
        Death_At(first, Potion);
        Death_At(second, Potion);
        Item* inside = s.taken ? Bag_At(*s.taken)->Get_Items().front() : nullptr;
        const Log_Capture log;
        EXPECT_EQ(manager->Get_Drop(s.area, &Pack()), s.taken != nullptr);
        EXPECT_EQ(Bag_At(first) == nullptr, s.taken == &first);
        EXPECT_EQ(Bag_At(second) == nullptr, s.taken == &second);
        EXPECT_EQ(Pack().Get_Items(), s.taken ? std::vector<Item*>{inside} : std::vector<Item*>{});
        EXPECT_EQ(Status_Message::Text(), s.taken ? "Found: Healing Potion" : "");
        EXPECT_EQ(log.str().find("Found: Healing Potion") != std::string::npos, s.taken != nullptr);
    }
}

TEST_F(Actionables_Test, TheSwordChestOpensOnceAndABagFallingOnItLandsBesideIt) {
    ASSERT_EQ(manager->Get_Actionables().size(), 1u);
    ASSERT_NE(The_Chest(), nullptr);
    EXPECT_EQ(manager->Get_Chest_Size(), Rect(0, 0, 48, 40));

    Death_At(Chest_Key, Potion);
    EXPECT_TRUE(The_Chest()->Closed);
    EXPECT_EQ(Names_At(Chest_Key), Names{"Apprentice Sword"});
    EXPECT_EQ(Names_At(Key(299, 300)), Names{"Healing Potion"}) << "the nearest free key, ties in key order";
    Death_At(Chest_Key, Potion);
    EXPECT_EQ(Names_At(Key(300, 299)), Names{"Healing Potion"});
    EXPECT_EQ(manager->Get_Actionables().size(), 3u);

    Inventory* pack = &Pack();
    const Rect onTheChest(335, 310, 10, 20); // on the chest's right side, past the bags beside it
    ASSERT_TRUE(manager->Get_Drop(onTheChest, &pack));
    ASSERT_EQ(Pack().Get_Items().size(), 1u);
    EXPECT_EQ(Pack().Get_Melee_Weapon(), Pack().Get_Items()[0]);
    EXPECT_EQ(Pack().Get_Items()[0]->Get_Owner(), &hero);
    EXPECT_FALSE(The_Chest()->Closed);
    EXPECT_TRUE(The_Chest()->Get_Items().empty()) << "handed over, not shared";
    EXPECT_EQ(Status_Message::Text(), "Found: Apprentice Sword");
    EXPECT_FALSE(manager->Get_Drop(onTheChest, &pack));
    EXPECT_EQ(Pack().Get_Items().size(), 1u);

    // An area over the open chest and a bag picks up the bag.
    EXPECT_TRUE(manager->Get_Drop(Rect(290, 290, 60, 60), &pack));
    EXPECT_EQ(Pack().Get_Items().size(), 2u);
    EXPECT_NE(The_Chest(), nullptr);
}

TEST_F(Actionables_Test, TheChestIsDrawnFromTheCentreColumnClosedThenOpen) {
    const GLINT::SDL::RGBSurface tileset(GLINT::SDL::RGBAColor(255, 0, 255, 255),
                                         "Data/Battlefield/Environment/Actionables/Chest_TS.png");
    // The chest lands at (50, 40) on a 100 x 90 screen; column < 0: drawn by the manager.
    auto pixels = [&](int column, int row) {
        GLINT::SDL::RGBSurface screen(100, 90, 32);
        screen.fill(GLINT::SDL::RGBColor(0, 0, 0));
        if (column < 0)
            manager->Show_Actionables(Rect(250, 260, 100, 90), screen);
        else
            screen.blit(tileset, GLINT::SDL::Point(50, 40), Rect(column * 48, row * 40, 48, 40));
        std::vector<Uint32> drawn;
        for (int y = 40; y < 80; ++y)
            for (int x = 50; x < 98; ++x)
                drawn.push_back(screen.getpixel(x, y));
        return drawn;
    };
    ASSERT_NE(pixels(1, 0), pixels(1, 1)) << "the open and closed chests must differ";
    ASSERT_NE(pixels(1, 0), pixels(0, 0)) << "and so must the columns";
    EXPECT_EQ(pixels(-1, 0), pixels(1, 0));
    manager->Get_Drop(Rect(290, 290, 20, 20), &Pack());
    EXPECT_EQ(pixels(-1, 0), pixels(1, 1));
}

} // namespace
