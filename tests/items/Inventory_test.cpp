// The inventory: arrows stacked by name, weapons drawn, shots through the
// stack, potions drunk, contents cleaned.

#include <SDL/SDL_mixer.h>
#include <gtest/gtest.h>

#include <memory>

#include "interface/Sounds_And_Musics.hpp"
#include "items/Apprentice_Bow.hpp"
#include "items/Apprentice_Sword.hpp"
#include "items/Healing_Potion.hpp"
#include "items/Inventory.hpp"
#include "items/Items_Test_Support.hpp"
#include "items/Projectile_Stack.hpp"
#include "media/Audio_Fixtures.hpp"
#include "media/RGBSurface.hpp"

using ch_test::Test_Character;
using GLINT::SDL::Rect;
using namespace items_test;

namespace {

class Inventory_Test : public Items_Fixture {
protected:
    void SetUp() override {
        Items_Fixture::SetUp();
        Test_Arrow::Live = 0;
        AI::Fill_Collision_Map(archer.Infos().X, archer.Infos().Y, &archer); // the map keeps the addresses
    }
    Inventory& Bag() { return *archer.Infos().CH_Inventory; }
    void Arm(int arrows) {
        Bag().Add(new Apprentice_Bow());
        for (int i = 0; i < arrows; ++i)
            Bag().Add(new Normal_Arrow());
    }
    std::vector<int> Drawn() {
        return {Bag().Get_Drawn_Damage_Min(), Bag().Get_Drawn_Damage_Max(), Bag().Get_Drawn_Critical_Multiplier(),
                Bag().Get_Drawn_Range()};
    }

    Test_Character archer{0, 0, Player_Type, false};
};

TEST_F(Inventory_Test, ArrowsJoinTheStackOfTheirNameAndTheMergedOnesAreFreed) {
    for (int i = 0; i < 10; ++i)
        Bag().Add(new Test_Arrow("Normal Arrow", 3));
    ASSERT_EQ(Bag().Get_Items().size(), 1u);
    Projectile_Stack* normal = Bag().Get_Projectile_Stack();
    EXPECT_EQ(normal->Get_Count(), 10);
    EXPECT_EQ(normal->Get_Weight(), 30);
    EXPECT_EQ(normal->Get_Owner(), &archer);
    EXPECT_EQ(Test_Arrow::Live, 1) << "only the template is left";

    // Another name starts a second stack, which takes the slot.
    Bag().Add(new Test_Arrow("Fire Arrow", 2));
    Projectile_Stack* fire = Bag().Get_Projectile_Stack();
    EXPECT_EQ(Bag().Get_Items().size(), 2u);
    EXPECT_NE(fire, normal);
    EXPECT_EQ(fire->Get_Count(), 1);
    Bag().Add(new Test_Arrow("Normal Arrow", 3));
    EXPECT_EQ(normal->Get_Count(), 11) << "the first stack of the name";
    EXPECT_EQ(Bag().Get_Projectile_Stack(), fire);

    // A whole stack handed over stays apart, even with a known name.
    auto* dropped = new Projectile_Stack(new Test_Arrow("Normal Arrow", 3), 99999);
    Bag().Add(dropped);
    EXPECT_EQ(Bag().Get_Items().size(), 3u);
    EXPECT_EQ(Bag().Get_Projectile_Stack(), dropped);
    EXPECT_EQ(dropped->Get_Template()->Get_Owner(), &archer) << "its shots are the archer's";

    Bag().Clean_Inventory();
    EXPECT_EQ(Test_Arrow::Live, 0);
}

TEST_F(Inventory_Test, WeaponsAreDrawnIntoTheDrawnValuesAndHidden) {
    EXPECT_EQ(Bag().Draw_Melee_Weapon(), nullptr);
    EXPECT_EQ(Drawn(), (std::vector<int>{0, 0, 1, 0})) << "nothing to draw";
    Bag().Add(new Apprentice_Sword());
    Bag().Add(new Apprentice_Bow());
    EXPECT_EQ(Bag().Draw_Melee_Weapon(), Bag().Get_Melee_Weapon());
    EXPECT_EQ(Drawn(), (std::vector<int>{6, 10, 2, 14}));
    EXPECT_EQ(Bag().Draw_Distant_Weapon(), Bag().Get_Distant_Weapon());
    EXPECT_EQ(Drawn(), (std::vector<int>{10, 16, 2, 320}));
    Bag().Hide_Weapon();
    EXPECT_EQ(Drawn(), (std::vector<int>{0, 0, 1, 0}));
}

TEST_F(Inventory_Test, TheLastArrowStillFliesAndWithoutABowNoneDoes) {
    Bag().Add(new Normal_Arrow());
    Bag().Prepare_Launch(Game_Settings::CH_RIGHT, Rect(100, 100, 1, 1), 12);
    EXPECT_TRUE(Bag().Get_Projectile_Stack()->Get_Launched().empty()) << "no distant weapon";

    Bag().Add(new Apprentice_Bow());
    ASSERT_TRUE(Bag().Projectile_Are_Available());
    Bag().Prepare_Launch(Game_Settings::CH_RIGHT, Rect(100, 100, 1, 1), 12);
    EXPECT_FALSE(Bag().Projectile_Are_Available()) << "no arrow left for another attack";
    Bag().Launch_Projectile();
    Projectile& arrow = *Bag().Get_Projectile_Stack()->Get_Launched().back();
    EXPECT_EQ(arrow.Get_Fly_State(), Flying::In_Flight);
    EXPECT_EQ(arrow.Get_Range(), 320) << "the bow's";
    EXPECT_EQ(arrow.Get_Damage(), 14) << "the shot's and the arrow's own";
    EXPECT_EQ(arrow.Get_Shooter(), &archer);
    EXPECT_EQ(arrow.Fly_Callback(), 16u);
    EXPECT_EQ(arrow.Get_Current_Rect().getx(), 110);
}

TEST_F(Inventory_Test, RepeatedShotsShareTheTemplatePicturesAndFreeOnlyTheirOwn) {
    Arm(5);
    const Projectile_Stack& stack = *Bag().Get_Projectile_Stack();
    const Projectile& model = *stack.Get_Template();
    GLINT::SDL::RGBSurface* tileset = model.Get_Tileset();
    GLINT::SDL::RGBSurface screen(64, 64, 32);
    for (int shot = 0; shot < 5; ++shot) {
        Bag().Prepare_Launch(Game_Settings::CH_UP, Rect(300, 300, 1, 1), 10);
        Bag().Launch_Projectile();
        Projectile& arrow = *stack.Get_Launched().back();
        EXPECT_EQ(arrow.Get_Tileset(), tileset) << shot;
        EXPECT_GT(Fly_To_The_End(arrow), 0) << shot;
        Bag().Show_Launched_Projectile(Rect(0, 0, 64, 64), screen);
        EXPECT_TRUE(stack.Get_Launched().empty()) << shot;
        // The template's pictures outlive every finished arrow.
        EXPECT_TRUE(screen.blit(*model.Get_Tileset(), GLINT::SDL::Point(0, 0), model.Get_Frame_Rect())) << shot;
        EXPECT_TRUE(screen.blit(*model.Get_Thumbnail(), GLINT::SDL::Point(0, 0))) << shot;
    }
    EXPECT_EQ(stack.Get_Count(), 0);
}

TEST_F(Inventory_Test, CleaningEmptiesEverySlotAndThePotions) {
    Arm(3);
    Bag().Add(new Apprentice_Sword());
    Bag().Add(new Healing_Potion());
    Bag().Clean_Inventory();
    EXPECT_TRUE(Bag().Get_Items().empty());
    EXPECT_EQ((std::vector<const void*>{Bag().Get_Melee_Weapon(), Bag().Get_Distant_Weapon(),
                                        Bag().Get_Projectile_Stack(), Bag().Get_Healing_Potion()}),
              std::vector<const void*>(4, nullptr));
    EXPECT_EQ(Bag().Get_Healing_Potion_Count(), 0);
    archer.Infos().CH_Characteristics->Life = 10;
    EXPECT_FALSE(Bag().Use_Healing_Potion()) << "no drink from a deleted potion";
    EXPECT_EQ(archer.Infos().CH_Characteristics->Life, 10);
}

// Potions, with the drinking sound on the dummy sound card.
class Potion_Test : public Audio_Folder {
protected:
    void SetUp() override {
        Audio_Folder::SetUp();
        Game_Settings::Reset();
        writeTone("drink.wav", 88200); // four seconds: still playing when checked
        SFX_DrinkPotion = GLINT::SDL::Sound((folder / "drink.wav").string(), false);
        inGame = std::make_unique<shipped::In_Game_Dir>();
    }
    void TearDown() override {
        inGame.reset();
        SFX_DrinkPotion.reset();
        Audio_Folder::TearDown();
    }

    std::unique_ptr<shipped::In_Game_Dir> inGame;
};

TEST_F(Potion_Test, TwoPotionsHealUpToTheMaximumAndTheThirdDrinkIsSilent) {
    Test_Character drinker(0, 0, Player_Type, false);
    drinker.Infos().CH_Characteristics->Max_Life = 100;
    Inventory& bag = *drinker.Infos().CH_Inventory;
    bag.Add(new Healing_Potion());
    bag.Add(new Healing_Potion());
    EXPECT_EQ(bag.Get_Healing_Potion_Count(), 2);
    struct Drink {
        const char* name;
        int lifeBefore;
        bool drunk;
        int lifeAfter;
    } drinks[] = {
        {"bonus 50 from 1", 1, true, 51},
        {"up to the maximum", 70, true, 100},
        {"none left", 20, false, 20},
    };
    for (const Drink& d : drinks) {
        drinker.Infos().CH_Characteristics->Life = d.lifeBefore;
        EXPECT_EQ(bag.Use_Healing_Potion(), d.drunk) << d.name;
        EXPECT_EQ(Mix_Playing(-1) > 0, d.drunk) << d.name << ": heard";
        Mix_HaltChannel(-1);
        EXPECT_EQ(drinker.Infos().CH_Characteristics->Life, d.lifeAfter) << d.name;
    }
    EXPECT_EQ(bag.Get_Healing_Potion_Count(), 0);
    EXPECT_EQ(bag.Get_Healing_Potion(), nullptr);
    EXPECT_EQ(bag.Get_Items().size(), 2u) << "empty bottles stay listed";
}

} // namespace
