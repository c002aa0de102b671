// The item loaders on the shipped files and on files they must refuse.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "items/Apprentice_Bow.hpp"
#include "items/Apprentice_Sword.hpp"
#include "items/Healing_Potion.hpp"
#include "items/Items_Test_Support.hpp"

using namespace items_test;

namespace {

bool Keyed(const GLINT::SDL::RGBSurface* picture) { return picture && (picture->getFlags() & SDL_SRCCOLORKEY); }

class Item_Loaders_Test : public ::testing::Test {
protected:
    shipped::In_Game_Dir inGame;
    bf_test::BF_Fixture files;
};

TEST_F(Item_Loaders_Test, TheShippedItemsLoadTheirValues) {
    struct Scenario {
        std::function<Item*()> make;
        const char* name;
        int value, weight, category, stackable;
        std::vector<int> weapon; // weapons only: min, max, critical, range, type, subtype, class constant
    } scenarios[] = {
        {[] { return new Apprentice_Sword(); }, "Apprentice Sword", 40, 6, Item::Weapon_Item, 1,
         {6, 10, 2, 14, Weapon::Melee, 1, 1}},
        {[] { return new Apprentice_Bow(); }, "Apprentice Bow", 60, 4, Item::Weapon_Item, 1,
         {10, 16, 2, 320, Weapon::Distant, 1, 3}},
        {[] { return new Healing_Potion(); }, "Healing Potion", 25, 1, Item::Potion_Item, 0, {}},
        {[] { return new Normal_Arrow(); }, "Normal Arrow", 1, 0, Item::Projectile_Item, 0, {}},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        std::unique_ptr<Item> item(s.make());
        EXPECT_EQ(item->Get_Name(), s.name);
        EXPECT_EQ((std::vector<int>{item->Get_Value(), item->Get_Weight(), item->Get_Category(), item->Get_Stackable()}),
                  (std::vector<int>{s.value, s.weight, s.category, s.stackable}));
        EXPECT_FALSE(item->Is_Quest_Item());
        EXPECT_TRUE(Keyed(item->Get_Thumbnail()));
        if (const auto* w = dynamic_cast<const Weapon*>(item.get())) {
            EXPECT_EQ((std::vector<int>{w->Get_Damage_Min(), w->Get_Damage_Max(), w->Get_Critical_Multiplier(),
                                        w->Get_Range(), w->Get_Weapon_Type(), w->Get_Weapon_Subtype(),
                                        w->Get_Class_Constant()}),
                      s.weapon);
        }
    }
    EXPECT_EQ(Healing_Potion().Get_Bonus(), 35);
    Normal_Arrow arrow;
    EXPECT_EQ(arrow.Get_Additional_Damage(), 2);
    EXPECT_EQ(arrow.Get_Velocity(), 10);
    EXPECT_EQ(arrow.Get_Frame_Interval(), 16u);
    EXPECT_EQ(arrow.Get_Frame_Rect(), GLINT::SDL::Rect(0, 0, 32, 32));
    EXPECT_TRUE(Keyed(arrow.Get_Tileset()));
    EXPECT_EQ(arrow.Get_Tileset()->getHeight(), 8 * 32) << "a row per direction code";
}

TEST_F(Item_Loaders_Test, QuestFlagColourKeyAndFrameIntervalFollowTheFile) {
    const std::string flight = Tag("Flight", Tag("TS_Frame_Interval", "0") + Tag("TS_Velocity", "10") +
                                                 Tag("TS_Filename", "Data/Items/Normal_Arrow_TS.png") +
                                                 Tag("TS_Width", "32") + Tag("TS_Height", "32"));
    struct Scenario {
        const char* name;
        std::string body;
        bool quest, keyed;
    } scenarios[] = {
        {"no Quest_Item", Item_Keys("Plain"), false, true},
        {"Quest_Item 1", Item_Keys("Quest", Tag("Quest_Item", "1")), true, true},
        {"Quest_Item 2 is no quest", Item_Keys("Two", Tag("Quest_Item", "2")), false, true},
        {"no colour key", Item_Keys("Bare", "", false), false, false},
    };
    for (const Scenario& s : scenarios) {
        Projectile item;
        item.Create_From_File(Write_Item(files, "item.xml", s.body + flight));
        EXPECT_EQ(item.Is_Quest_Item(), s.quest) << s.name;
        EXPECT_EQ(Keyed(item.Get_Thumbnail()), s.keyed) << s.name;
        // 0 would end a waiting arrow's timer at its first tick.
        EXPECT_EQ(item.Get_Frame_Interval(), 1u) << s.name;
    }
}

TEST_F(Item_Loaders_Test, ARefusedFileIsNamedInTheError) {
    const std::string lostTileset = Tag("Flight", Tag("TS_Frame_Interval", "16") + Tag("TS_Velocity", "10") +
                                                      Tag("TS_Filename", "Data/Items/No_Such.png") +
                                                      Tag("TS_Width", "32") + Tag("TS_Height", "32"));
    const auto item = [](const std::string& f) { Item().Create_From_File(f); };
    struct Scenario {
        const char* name;
        std::string file;
        std::function<void(const std::string&)> load;
        std::string prefix, cause;
    } scenarios[] = {
        {"not XML", files.Write("broken.xml", "<Item><Name>"), item, "Exception In Item::Create_From_File(",
         "Validate_File"},
        {"no Weight", Write_Item(files, "light.xml", Tag("Name", "L") + Tag("Value", "1") +
                                                         Tag("Thunbnail_Name", "Data/Items/Normal_Arrow_TB.png")),
         item, "Exception In Item::Create_From_File(", "isn't valid"},
        {"missing thumbnail picture",
         Write_Item(files, "ghost.xml", Tag("Name", "G") + Tag("Value", "1") +
                                            Tag("Thunbnail_Name", "Data/Items/No_Such.png") + Tag("Weight", "1")),
         item, "Exception In Item::Create_From_File(", ""},
        {"weapon without weapon values", Write_Item(files, "stick.xml", Item_Keys("Stick")),
         [](const std::string& f) { Weapon().Create_From_File(f); }, "Exception In Weapon::Create_From_File(",
         "Option: Damage_Max Not Found"},
        {"arrow with a missing tileset", Write_Item(files, "dart.xml", Item_Keys("Dart") + lostTileset),
         [](const std::string& f) { Projectile().Create_From_File(f); },
         "Exception In Projectile::Create_From_File(", "Exception In Flying::Create_From_File("},
    };
    for (const Scenario& s : scenarios) {
        const std::string message = Error_Of([&] { s.load(s.file); });
        EXPECT_EQ(message.rfind(s.prefix + s.file + "): ", 0), 0u) << s.name << ": " << message;
        EXPECT_NE(message.find(s.cause), std::string::npos) << s.name << ": " << message;
    }
}

TEST(Weapon_Types, NamesAreReadExactly) {
    const std::pair<const char*, int> names[] = {
        {"Unarmed", Weapon::Unarmed}, {"Melee", Weapon::Melee}, {"Distant", Weapon::Distant},
        {"Throw = 3", Weapon::Throw}, {"Throw", Weapon::Other}, {"melee", Weapon::Other}, {"", Weapon::Other}};
    for (const auto& [text, type] : names)
        EXPECT_EQ(Weapon::Str2Weapon_Type(text), type) << '"' << text << '"';
}

} // namespace
