#include "characters/Character_Animations_Center.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ai/Characters_Map.hpp"
#include "characters/Animation_Fixture.hpp"
#include "characters/Animation_Set.hpp"
#include "characters/Character.hpp"
#include "characters/Character_Animation.hpp"
#include "Log_Capture.hpp"
#include "shell/Game_Clock.hpp"

using anim_test::Sheet;
using anim_test::Tag;
using GLINT::SDL::Rect;
using Centre = Character_Animations_Center;

namespace {

// Counts what the centre asks of its character.
class Test_Character : public Character {
public:
    void Attack_PlayEndSounds() override { ++End_Sounds; }
    void Set_Attack_Msg() override { ++Attack_Msgs; }
    void Set_Following_Camera() override { ++Camera_Follows; }
    int Movement_Sound(BattleField&, bool running) override {
        Movement_Sounds.push_back(running);
        return 0;
    }

    int End_Sounds = 0, Attack_Msgs = 0, Camera_Follows = 0;
    std::vector<bool> Movement_Sounds;
};

std::string Modifiers(int x, int y, int cbX, int cbY, int cbW = 0, int cbH = 0) {
    return Tag("Coordinates_n_CB_Modifier", Tag("X_Modifier", x) + Tag("Y_Modifier", y) + Tag("CB_X_Modifier", cbX) +
                                                Tag("CB_Y_Modifier", cbY) + Tag("CB_W_Modifier", cbW) +
                                                Tag("CB_H_Modifier", cbH));
}

class Character_Animations_Center_Test : public ::testing::Test {
protected:
    void SetUp() override {
        Game_Clock::Set(10000);
        Characters_Map::Instance().Clear();
        CH_Base_All_Infos& infos = hero.Infos();
        infos.X = infos.Y = 100;
        infos.X_Modifier = 4;
        infos.Y_Modifier = 6;
        infos.CB_Width = 10;
        infos.CB_Height = 12;
        infos.Direction = 2;
        infos.Allowed_Area = Rect(0, 0, 2000, 1500);
        Fresh();
    }
    void TearDown() override {
        centre.reset();
        Characters_Map::Instance().Clear();
        Game_Clock::Use_Real_Time();
    }

    Character_Animation* Load(const std::string& key, const Sheet& sheet) {
        files.Write_Animation(key, sheet);
        return new Character_Animation(files.Description(), key.c_str(), files.folder);
    }
    // No centre, a set of only a stop sheet.
    void Fresh(const Sheet& stop = Sheet{}) {
        centre.reset();
        set.Clear();
        set.Stop = Load("stop", stop);
    }
    // Slots left empty in set play the stop sheet, as the loader does.
    Centre& Start(BattleField* field = nullptr) {
        for (Character_Animation** slot : {&set.Walk, &set.Run, &set.Attack, &set.Hit})
            if (!*slot)
                *slot = set.Stop;
        centre = std::make_unique<Centre>(&hero, field, set);
        hero.Infos().Animation_Center = centre.get();
        return *centre;
    }
    // The callback at a time after the start at 10000.
    void Call(void (Centre::*callback)(), Uint32 after) {
        Game_Clock::Set(10000 + after);
        (centre.get()->*callback)();
    }
    int Shown_Column(const Character_Animation& sheet) const {
        return hero.Infos().Source_Rect.getx() / sheet.Width;
    }

    anim_test::Animation_Files files;
    Animation_Set set;
    Test_Character hero;
    std::unique_ptr<Centre> centre;
};

} // namespace

TEST_F(Character_Animations_Center_Test, PauseLoopsAndLateCallsCatchUpOneFramePerCallWithoutDrift) {
    set.Pause = Load("pause", Sheet{4, 8, 8, 100});
    Start().Pause_Animation_Play(); // at 10000: frame 0 at once
    struct Step {
        const char* name;
        Uint32 after;
        int shown;
        Uint32 lastStep;
    } steps[] = {
        {"too early", 50, 0, 10000},
        {"3.5 intervals late: one frame", 350, 1, 10350},
        {"still late: next frame", 350, 2, 10350},
        {"still late: next frame again", 350, 3, 10350},
        {"caught up: reference 10300, nothing due", 350, 3, 10350},
        {"on the grid again, the loop wraps", 400, 0, 10400},
        {"one interval later", 500, 1, 10500},
    };
    EXPECT_EQ(Shown_Column(*set.Pause), 0);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        Call(&Centre::Pause_Animation_Callback, s.after);
        EXPECT_EQ(Shown_Column(*set.Pause), s.shown);
        EXPECT_EQ(centre->Get_Last_Step(), s.lastStep);
        EXPECT_EQ(hero.Infos().Source_Rect.gety(), 2 * 8) << "the facing is the row";
        EXPECT_EQ(hero.Infos().Anim_State, -3);
        EXPECT_EQ(hero.Infos().Current_Sheet, set.Pause->Sheet);
    }

    // Without a pause sheet the character just stands.
    Fresh();
    Start().Pause_Animation_Play();
    EXPECT_EQ(hero.Infos().Anim_State, -1);
    EXPECT_NO_THROW(centre->Pause_Animation_Callback());
}

TEST_F(Character_Animations_Center_Test, AttackStrikesAtItsKeyFrameAndEndsStanding) {
    struct Scenario {
        const char* name;
        int frames, keyFrame, attackType;
        int strikeCall; // due callbacks after Play before the strike (0: in Play itself); -1 never
    } scenarios[] = {
        {"key frame 0 strikes on the first frame", 3, 0, 1, 0},
        {"key frame 2, the last, strikes on the third", 3, 2, 0, 2},
        {"a distant attack launches, no hit test", 3, 0, 2, -1},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        Fresh();
        set.Attack = Load("attack", Sheet{s.frames, 8, 8, 100, Tag("KeyFrame", s.keyFrame)});
        Centre& c = Start();
        hero.End_Sounds = hero.Attack_Msgs = 0;

        ch_test::Test_Character victim(290, 285); // an undead's box at (295, 295), life 40
        const Characteristics& v = *victim.Infos().CH_Characteristics;

        CH_Base_All_Infos& infos = hero.Infos();
        infos.Attack_Type = s.attackType;
        infos.Attack_State = 2;
        infos.Attack_Result = 0;
        infos.Attack_Rect = Rect(295, 295, 10, 10);
        infos.CH_Characteristics->Damage_Min = infos.CH_Characteristics->Damage_Max = 5;

        Game_Clock::Set(10000);
        c.Attack_Animation_Play();
        EXPECT_EQ(infos.Current_Sheet, set.Attack->Sheet);
        for (int call = 0; call < s.frames; ++call) {
            if (call > 0)
                Call(&Centre::Attack_Animation_Callback, 100 * static_cast<Uint32>(call));
            const bool struck = s.strikeCall >= 0 && call >= s.strikeCall;
            EXPECT_EQ(infos.Attack_Result, struck ? Undead_ID : 0) << "call " << call;
            EXPECT_EQ(v.Life, struck ? 35 : 40) << "call " << call;
            if (call + 1 < s.frames) {
                EXPECT_EQ(Shown_Column(*set.Attack), call);
                EXPECT_EQ(infos.Attack_State, 2) << "call " << call;
            }
        }
        // The callback that shows the last frame ends the attack: 3 frames take 200 ms, not 300.
        EXPECT_EQ(infos.Attack_State, 0);
        EXPECT_EQ(infos.Attack_Direction, -1);
        EXPECT_EQ(infos.Anim_State, -1);
        EXPECT_EQ(infos.Current_Sheet, set.Stop->Sheet);
        const int closing = s.attackType == 2 ? 0 : 1;
        EXPECT_EQ(hero.End_Sounds, closing);
        EXPECT_EQ(hero.Attack_Msgs, closing);
    }
}

TEST_F(Character_Animations_Center_Test, DeathEndsDead) {
    for (int frames : {0, 3}) { // 0: no death sheet, dead at once
        SCOPED_TRACE(frames);
        Fresh();
        if (frames)
            set.Death = Load("death", Sheet{frames, 8, 8, 100});
        Centre& c = Start();
        CH_Base_All_Infos& infos = hero.Infos();
        infos.Life_State = 0;
        infos.Attack_State = 2;
        infos.Anim_State = 1; // dying while walking stops the walk first
        infos.CH_Characteristics->Vector_X = 1.0f;
        infos.Killed_By_Player = 1;

        Game_Clock::Set(10000);
        c.Death_Animation_Play();
        EXPECT_EQ(infos.Attack_State, 0);
        EXPECT_EQ(infos.Anim_State, -1);
        EXPECT_EQ(infos.CH_Characteristics->Vector_X, 0.0f);
        if (!frames) {
            EXPECT_EQ(infos.Life_State, -2);
            continue;
        }
        EXPECT_EQ(infos.Life_State, -1);
        EXPECT_EQ(infos.Current_Sheet, set.Death->Sheet);
        for (int f = 1; f < frames; ++f) {
            Call(&Centre::Death_Animation_Callback, 100 * static_cast<Uint32>(f));
            EXPECT_EQ(Shown_Column(*set.Death), f);
            EXPECT_EQ(infos.Life_State, f + 1 < frames ? -1 : -2) << "dead with the last frame, frame " << f;
        }
        EXPECT_EQ(Shown_Column(*set.Death), frames - 1) << "the last frame stays shown";
    }
}

TEST_F(Character_Animations_Center_Test, HitInterruptsAMoveAndEndsBackAtStop) {
    set.Hit = Load("hit", Sheet{2, 8, 8, 100});
    Centre& c = Start();
    CH_Base_All_Infos& infos = hero.Infos();
    infos.Anim_State = 1;
    infos.CH_Characteristics->Vector_X = -1.0f;
    infos.CH_Characteristics->Running = true;
    infos.Path.push_back(GLINT::SDL::Point(5, 5));

    c.Hit_Animation_Play();
    EXPECT_EQ(infos.Hit_State, 1);
    EXPECT_EQ(infos.Anim_State, -1);
    EXPECT_EQ(infos.CH_Characteristics->Vector_X, 0.0f);
    EXPECT_FALSE(infos.CH_Characteristics->Running);
    EXPECT_TRUE(infos.Path.empty());
    EXPECT_EQ(infos.Current_Sheet, set.Hit->Sheet);
    EXPECT_EQ(Shown_Column(*set.Hit), 0);

    Call(&Centre::Hit_Animation_Callback, 99);
    EXPECT_EQ(infos.Hit_State, 1);
    // Its last frame ends the hit.
    Call(&Centre::Hit_Animation_Callback, 100);
    EXPECT_EQ(infos.Hit_State, 0);
    EXPECT_EQ(infos.Current_Sheet, set.Stop->Sheet);
    EXPECT_EQ(infos.Source_Rect, set.Stop->Frame(2, 0));
}

TEST_F(Character_Animations_Center_Test, ModifiersApplyAsDifferencesAndTheBoxNeverShrinksBelowZero) {
    Fresh(Sheet{1, 8, 8, 100, Modifiers(2, -1, 1, 0, -15, -3)});
    set.Hit = Load("hit", Sheet{2, 8, 8, 100, Modifiers(5, 3, -2, 4, 2, -40)});
    Centre& c = Start();
    struct Step {
        const char* name;
        bool hit;
        int x, y, xMod, yMod;
    } steps[] = {
        {"first stop adds its own", false, 102, 99, 5, 6},   {"hit adds the difference", true, 105, 103, 2, 10},
        {"stop takes it back", false, 102, 99, 5, 6},        {"again: no drift", true, 105, 103, 2, 10},
        {"and back", false, 102, 99, 5, 6},                  {"stop twice changes nothing", false, 102, 99, 5, 6},
    };
    // Start: position (100, 100), box offset (4, 6), box 10 x 12: stop's box 0 x 9, hit's 12 x 0.
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        if (s.hit)
            c.Hit_Animation_Play();
        else
            c.Stop_Animation_Play();
        const CH_Base_All_Infos& infos = hero.Infos();
        EXPECT_EQ(infos.X, s.x);
        EXPECT_EQ(infos.Y, s.y);
        EXPECT_EQ(infos.X_Modifier, s.xMod);
        EXPECT_EQ(infos.Y_Modifier, s.yMod);
        EXPECT_EQ(infos.Collision_Rect, Rect(s.x + s.xMod, s.y + s.yMod, s.hit ? 12 : 0, s.hit ? 0 : 9));
        EXPECT_EQ(infos.CB_Width, 10) << "the record's own box size is left alone";
        EXPECT_EQ(infos.CB_Height, 12);
    }
}

TEST_F(Character_Animations_Center_Test, ModifiersInForceFollowTheCharacterAcrossItsCentres) {
    Fresh(Sheet{1, 8, 8, 100, Modifiers(2, 0, 0, 0)});
    Animation_Set bow;
    bow.Stop = Load("bow", Sheet{1, 8, 8, 100, Modifiers(6, 0, 0, 0)});
    bow.Walk = bow.Run = bow.Attack = bow.Hit = bow.Stop;
    CH_Base_All_Infos& infos = hero.Infos();
    Start();
    infos.Primary_Animation_Center = std::make_unique<Centre>(&hero, nullptr, set);
    infos.Secondary_Animation_Center = std::make_unique<Centre>(&hero, nullptr, bow);
    const int expected[] = {102, 106, 102, 106};
    for (int i = 0; i < 4; ++i) {
        infos.Animation_Center = (i % 2 ? infos.Secondary_Animation_Center : infos.Primary_Animation_Center).get();
        infos.Animation_Center->Stop_Animation_Play();
        EXPECT_EQ(infos.X, expected[i]) << "switch " << i;
    }
    infos.Animation_Center = nullptr;
    infos.Primary_Animation_Center.reset();
    infos.Secondary_Animation_Center.reset();
}

TEST_F(Character_Animations_Center_Test, WalkAndRunStepsMoveThroughTheCollisionTest) {
    struct Scenario {
        const char* name;
        bool running;
        float dx, dy;
        int velocity, runVelocity;
        Rect area;
        int x1, y1;    // after Play (first step)
        int x2, y2;    // after the second step
        int blockedAt; // the step that is blocked, 0 for none
    };
    const Rect whole(0, 0, 2000, 1500);
    // The box starts at (104, 106), 10 x 12.
    const Scenario scenarios[] = {
        {"walk right", false, 1, 0, 4, 9, whole, 104, 100, 108, 100, 0},
        {"run up-left", true, -1, -1, 4, 6, whole, 94, 94, 88, 88, 0},
        {"run without a run speed stays put", true, 1, 1, 4, 0, whole, 100, 100, 100, 100, 0},
        // 108 + 10 > 117: the box is clamped back to 107, so X = 103.
        {"blocked at the area's edge", false, 1, 0, 4, 6, Rect(0, 0, 117, 1500), 103, 100, 0, 0, 1},
        // The second step down reaches 114 + 12 > 125: box clamped at 113, Y = 107.
        {"blocked on the second step", false, 0, 1, 4, 6, Rect(0, 0, 2000, 125), 100, 104, 100, 107, 2},
    };
    ch_test::Open_Field field;
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        Fresh();
        set.Walk = Load("walk", Sheet{2, 8, 8, 50});
        set.Run = Load("run", Sheet{2, 8, 8, 50});
        Centre& c = Start(&*field);
        hero.Movement_Sounds.clear();
        hero.Camera_Follows = 0;
        CH_Base_All_Infos& infos = hero.Infos();
        infos.X = infos.Y = 100;
        infos.Anim_State = -1;
        infos.Allowed_Area = s.area;
        infos.Path = {GLINT::SDL::Point(500, 500)};
        Characteristics& stats = *infos.CH_Characteristics;
        stats.Vector_X = s.dx;
        stats.Vector_Y = s.dy;
        stats.Velocity = s.velocity;
        stats.Run_Velocity = s.runVelocity;
        stats.Running = s.running;
        const auto step = s.running ? &Centre::Run_Animation_Callback : &Centre::Walk_Animation_Callback;

        Game_Clock::Set(10000);
        if (s.running)
            c.Run_Animation_Play();
        else
            c.Walk_Animation_Play();
        EXPECT_EQ(hero.Movement_Sounds, std::vector<bool>{s.running});
        EXPECT_EQ(infos.X, s.x1);
        EXPECT_EQ(infos.Y, s.y1);
        EXPECT_EQ(hero.Camera_Follows, 1);
        if (s.blockedAt != 1) {
            EXPECT_EQ(infos.Anim_State, 1);
            Call(step, 50);
            EXPECT_EQ(infos.X, s.x2);
            EXPECT_EQ(infos.Y, s.y2);
            EXPECT_EQ(hero.Camera_Follows, 2);
        }
        // Blocked or not, the box is where the collision test left it.
        EXPECT_EQ(infos.Collision_Rect.getx(), infos.X + 4);
        EXPECT_EQ(infos.Collision_Rect.gety(), infos.Y + 6);

        if (s.blockedAt) { // stopped: what stopping clears is checked with the hit
            EXPECT_EQ(infos.Anim_State, -1);
            EXPECT_EQ(infos.Current_Sheet, set.Stop->Sheet);
            continue;
        }
        // The step that shows the last frame ends the cycle; the caller starts the next.
        EXPECT_EQ(infos.Anim_State, 0);
        EXPECT_EQ(Shown_Column(s.running ? *set.Run : *set.Walk), 1);
        EXPECT_EQ(infos.Path.size(), 1u);
    }
}

TEST_F(Character_Animations_Center_Test, EveryDirectionCoversTheSameGroundAtTheSameVelocity) {
    const float d = 1.0f / std::sqrt(2.0f); // a diagonal of unit length, as the input steers
    const float vectors[8][2] = {{1, 0}, {d, d}, {0, 1}, {-d, d}, {-1, 0}, {-d, -d}, {0, -1}, {d, -d}};
    ch_test::Open_Field field(false);
    for (const int velocity : {4, 8}) {
        for (const auto& v : vectors) {
            SCOPED_TRACE("velocity " + std::to_string(velocity) + " along (" + std::to_string(v[0]) + ", " +
                         std::to_string(v[1]) + ")");
            Fresh();
            set.Walk = Load("walk", Sheet{16, 8, 8, 10});
            Centre& c = Start(&*field);
            CH_Base_All_Infos& infos = hero.Infos();
            infos.X = 1000;
            infos.Y = 700;
            infos.Anim_State = -1;
            Characteristics& stats = *infos.CH_Characteristics;
            stats.Velocity = velocity;
            stats.Vector_X = v[0];
            stats.Vector_Y = v[1];
            Game_Clock::Set(10000);
            c.Walk_Animation_Play();
            for (Uint32 step = 1; step < 16; ++step) // sixteen steps
                Call(&Centre::Walk_Animation_Callback, 10 * step);
            const int dx = infos.X - 1000, dy = infos.Y - 700;
            if (v[0] == 0.0f || v[1] == 0.0f) {
                // Straight steps are whole: exactly the velocity each.
                EXPECT_EQ(dx, static_cast<int>(v[0]) * 16 * velocity);
                EXPECT_EQ(dy, static_cast<int>(v[1]) * 16 * velocity);
            } else {
                EXPECT_NEAR(std::sqrt(float(dx * dx + dy * dy)), 16.0f * velocity, 0.03f * 16 * velocity);
                EXPECT_EQ(std::abs(dx), std::abs(dy));
            }
        }
    }
}

TEST_F(Character_Animations_Center_Test, FailuresAreLoggedAndLeaveTheCharacterStanding) {
    // Every operation runs under the same guard: a walk without a battlefield stands for them all.
    set.Walk = set.Run = set.Stop;
    centre = std::make_unique<Centre>(&hero, nullptr, set);
    CH_Base_All_Infos& infos = hero.Infos();
    infos.Animation_Center = centre.get();
    infos.Anim_State = 1;
    infos.CH_Characteristics->Vector_Y = 1.0f;
    infos.Current_Sheet = nullptr;
    {
        Log_Capture log;
        EXPECT_NO_THROW(centre->Walk_Animation_Play());
        const std::string logged = "Error in Character_Animations_Center::Walk_Animation_Play(), No battlefield to move on";
        EXPECT_NE(log.str().find(logged), std::string::npos) << log.str();
    }
    EXPECT_EQ(infos.Anim_State, -1);
    EXPECT_EQ(infos.CH_Characteristics->Vector_Y, 0.0f);
    EXPECT_EQ(infos.Current_Sheet, set.Stop->Sheet);

    // Standing is every failure's fallback: without its sheet it only logs.
    Centre bare(&hero, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, false);
    Log_Capture log;
    EXPECT_NO_THROW(bare.Stop_Animation_Play());
    EXPECT_NE(log.str().find("Error in Character_Animations_Center::Stop_Animation_Play(), No Stop animation"),
              std::string::npos)
        << log.str();
}
