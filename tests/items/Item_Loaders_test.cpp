// The item loaders on files they must read and files they must refuse; the shipped items' values
// are checked where they count, in the inventory, the arrows and the potions.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "items/Items_Test_Support.hpp"
#include "items/Weapon.hpp"

using namespace items_test;

namespace {

bool Keyed(const GLINT::SDL::RGBSurface* picture) { return picture && (picture->getFlags() & SDL_SRCCOLORKEY); }

class Item_Loaders_Test : public ::testing::Test {
protected:
    shipped::In_Game_Dir inGame;
    bf_test::BF_Fixture files;
};

TEST_F(Item_Loaders_Test, ColourKeyAndFrameIntervalFollowTheFile) {
    const std::string flight = Tag("Flight", Tag("TS_Frame_Interval", "0") + Tag("TS_Velocity", "10") +
                                                 Tag("TS_Filename", "Data/Items/Normal_Arrow_TS.png") +
                                                 Tag("TS_Width", "32") + Tag("TS_Height", "32"));
    for (bool keyed : {true, false}) {
        Projectile item;
        item.Create_From_File(Write_Item(files, "item.xml", Item_Keys("Dart", keyed) + flight));
        EXPECT_EQ(Keyed(item.Get_Thumbnail()), keyed);
        // 0 would end a waiting arrow's timer at its first tick.
        EXPECT_EQ(item.Get_Frame_Interval(), 1u);
    }
}

// A file cut short or deleted is refused by name in the damaged-data sweep; these are whole files
// the loaders must refuse.
TEST_F(Item_Loaders_Test, ARefusedFileIsNamedInTheError) {
    const struct {
        const char* name;
        std::string file;
        std::function<void(const std::string&)> load;
        std::string prefix, cause;
    } scenarios[] = {
        {"no Weight", Write_Item(files, "light.xml", Tag("Name", "L") + Tag("Value", "1") +
                                                         Tag("Thunbnail_Name", "Data/Items/Normal_Arrow_TB.png")),
         [](const std::string& f) { Item().Create_From_File(f); }, "Exception In Item::Create_From_File(",
         "isn't valid"},
        {"weapon without weapon values", Write_Item(files, "stick.xml", Item_Keys("Stick")),
         [](const std::string& f) { Weapon().Create_From_File(f); }, "Exception In Weapon::Create_From_File(",
         "Option: Damage_Max Not Found"},
    };
    for (const auto& s : scenarios) {
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
