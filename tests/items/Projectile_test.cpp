// Arrows in flight: steps, hits with damage falling off with distance,
// misses past the range, and what the frame loop draws and deletes.

#include <gtest/gtest.h>

#include <memory>

#include "items/Items_Test_Support.hpp"
#include "items/Projectile_Stack.hpp"
#include "media/RGBSurface.hpp"

using ch_test::Test_Character;
using GLINT::SDL::Rect;
using namespace items_test;

namespace {

class Projectile_Test : public Items_Fixture {
protected:
    void SetUp() override {
        Items_Fixture::SetUp();
        AI::Fill_Collision_Map(shooter.Infos().X, shooter.Infos().Y, &shooter); // the map keeps the addresses
    }
    // Test arrows fired by the shooter standing at (0, 0).
    std::unique_ptr<Projectile_Stack> Quiver(Uint16 velocity = 10, Sint32 count = 20) {
        auto stack = std::make_unique<Projectile_Stack>(new Test_Arrow("Normal Arrow", 3, velocity), count);
        stack->Set_Owner(&shooter);
        return stack;
    }
    static Projectile* Shoot(Projectile_Stack& stack, Sint16 direction, const Rect& from, Uint16 range) {
        stack.Prepare_Launch(direction, from, 20, range);
        stack.Launch_Projectile();
        return stack.Get_Launched().back();
    }

    Test_Character shooter{0, 0, Player_Type, false};
};

TEST_F(Projectile_Test, EachStepMovesAlongTheDirectionDiagonalsBySevenAtVelocityTen) {
    using S = Game_Settings;
    struct Scenario {
        short direction;
        int dx, dy;
    } scenarios[] = {
        {S::CH_RIGHT, 10, 0}, {S::CH_RIGHT_DOWN, 7, 7}, {S::CH_DOWN, 0, 10}, {S::CH_LEFT_DOWN, -7, 7},
        {S::CH_LEFT, -10, 0}, {S::CH_LEFT_UP, -7, -7},  {S::CH_UP, 0, -10},  {S::CH_RIGHT_UP, 7, -7},
        {99, 0, 0}, // an unknown code does not move
    };
    auto stack = Quiver();
    for (const Scenario& s : scenarios) {
        Projectile* arrow = Shoot(*stack, s.direction, Rect(500, 500, 1, 1), 300);
        EXPECT_EQ(arrow->Fly_Callback(), 16u) << s.direction << ": nobody hit, it flies on";
        EXPECT_EQ(arrow->Get_Current_Rect(), Rect(500 + s.dx, 500 + s.dy, 1, 1)) << s.direction;
        EXPECT_EQ(arrow->Get_Frame_Rect().gety(), s.direction * 32) << "the tileset row of the direction";
    }
}

TEST_F(Projectile_Test, DamageFallsWithDistanceAndRangeZeroHitsOnlyPointBlank) {
    struct Scenario {
        const char* name;
        Uint16 velocity, range;
        int victimLife, attackResult;
    } scenarios[] = {
        // Damage 20 + the arrow's 2; the victim has 40 life and no armour.
        {"point blank", 0, 300, 18, Undead_ID},
        {"at the range: nothing left", 10, 10, 40, Undead_ID},
        {"half the range", 10, 20, 29, Undead_ID},
        {"range 0 at distance 0: full damage", 0, 0, 18, Undead_ID},
        {"range 0 after a step: a miss", 10, 0, 40, 0},
    };
    for (const Scenario& s : scenarios) {
        shooter.Infos().Attack_Result = -1;
        Test_Character victim(200, 200); // box (205, 210, 20, 20)
        auto stack = Quiver(s.velocity);
        // Straight at the victim: a still arrow starts inside its box, a moving one 10 px short.
        Projectile* arrow = Shoot(*stack, Game_Settings::CH_RIGHT, Rect(s.velocity ? 195 : 210, 215, 1, 1), s.range);
        EXPECT_EQ(arrow->Fly_Callback(), 0u) << s.name << ": the flight ends";
        EXPECT_EQ(arrow->Get_Fly_State(), Flying::Finished) << s.name;
        EXPECT_EQ(victim.Infos().CH_Characteristics->Life, s.victimLife) << s.name;
        EXPECT_EQ(shooter.Infos().Attack_Result, s.attackResult) << s.name;
    }
}

TEST_F(Projectile_Test, APreparedArrowWaitsUndrawnAndPastItsRangeMissesAndGoesAtTheNextFrame) {
    auto stack = Quiver();
    stack->Prepare_Launch(Game_Settings::CH_DOWN, Rect(10, 10, 1, 1), 10, 15);
    Projectile* arrow = stack->Get_Launched().back();
    EXPECT_TRUE(arrow->Is_Timer_Running()) << "its timer starts at once";
    EXPECT_EQ(arrow->Fly_Callback(), 16u);
    EXPECT_EQ(arrow->Get_Current_Rect(), Rect(10, 10, 1, 1));

    GLINT::SDL::RGBSurface screen(64, 48, 32);
    screen.fill(GLINT::SDL::RGBColor(0, 0, 0));
    const Uint32 black = screen.getpixel(0, 0);
    auto painted = [&] {
        stack->Show_Launched_Projectiles(Rect(0, 0, 64, 48), screen);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
                if (screen.getpixel(x, y) != black)
                    return true;
        return false;
    };
    EXPECT_FALSE(painted());
    stack->Launch_Projectile();
    EXPECT_TRUE(painted());

    EXPECT_EQ(arrow->Fly_Callback(), 16u) << "10 px: within range";
    EXPECT_EQ(arrow->Fly_Callback(), 0u) << "20 px: beyond";
    EXPECT_EQ(arrow->Get_Fly_State(), Flying::Finished);
    EXPECT_EQ(arrow->Fly_Callback(), 0u) << "a finished arrow stays put";
    EXPECT_EQ(arrow->Get_Current_Rect(), Rect(10, 30, 1, 1));
    painted();
    EXPECT_TRUE(stack->Get_Launched().empty());
}

TEST_F(Projectile_Test, LaunchingTouchesOnlyTheNewestWaitingArrow) {
    auto empty = Quiver(10, 0);
    empty->Prepare_Launch(Game_Settings::CH_UP, Rect(300, 300, 1, 1), 10, 5);
    empty->Launch_Projectile();
    EXPECT_TRUE(empty->Get_Launched().empty()) << "no arrow, no shot";

    auto stack = Quiver();
    Projectile* first = Shoot(*stack, Game_Settings::CH_UP, Rect(300, 300, 1, 1), 5);
    EXPECT_EQ(Fly_To_The_End(*first), 1);
    stack->Launch_Projectile();
    EXPECT_EQ(first->Get_Fly_State(), Flying::Finished) << "a finished arrow is not relaunched";
    stack->Prepare_Launch(Game_Settings::CH_UP, Rect(300, 300, 1, 1), 10, 5);
    stack->Prepare_Launch(Game_Settings::CH_UP, Rect(300, 300, 1, 1), 10, 5);
    stack->Launch_Projectile();
    EXPECT_EQ(stack->Get_Launched()[1]->Get_Fly_State(), Flying::Prepared);
    EXPECT_EQ(stack->Get_Launched()[2]->Get_Fly_State(), Flying::In_Flight);
}

TEST_F(Projectile_Test, NewFlightInfosReplaceTheRunningTimer) {
    Test_Arrow arrow;
    EXPECT_EQ(arrow.Fly_Callback(), 0u) << "never set up: stops at once";
    arrow.Set_Fly_Infos(Rect(0, 0, 1, 1), 100, Game_Settings::CH_RIGHT, 5, &shooter);
    arrow.Fly_Play();
    ASSERT_TRUE(arrow.Is_Timer_Running());
    arrow.Set_Fly_Infos(Rect(50, 50, 1, 1), 100, Game_Settings::CH_LEFT, 5, &shooter);
    EXPECT_FALSE(arrow.Is_Timer_Running()) << "the old timer is gone, the new one waits";
    arrow.Fly_Play();
    EXPECT_TRUE(arrow.Is_Timer_Running());
}

TEST_F(Projectile_Test, StackWeightSaturatesInsteadOfWrapping) {
    // 3 x 40000 does not fit 16 bits; shooting must not wrap below 0 either.
    Projectile_Stack stack(new Test_Arrow("Heavy", 40000), 3);
    stack.Set_Owner(&shooter);
    EXPECT_EQ(stack.Get_Weight(), 65535);
    for (Uint16 weight : {25535, 0, 0}) {
        stack.Prepare_Launch(Game_Settings::CH_RIGHT, Rect(10, 10, 1, 1), 1, 10);
        EXPECT_EQ(stack.Get_Weight(), weight);
    }
    EXPECT_EQ(Projectile_Stack(new Test_Arrow("Normal Arrow", 1), 99999).Get_Weight(), 65535);
}

} // namespace
