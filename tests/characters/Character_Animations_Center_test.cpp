#include "characters/Character_Animations_Center.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ai/Characters_Map.hpp"
#include "battlefield/BattleField.hpp"
#include "characters/Animation_Fixture.hpp"
#include "characters/Animation_Set.hpp"
#include "characters/Character.hpp"
#include "characters/Character_Animation.hpp"
#include "Log_Capture.hpp"
#include "media/Logger.hpp"
#include "shell/Game_Clock.hpp"

using anim_test::Animation_Files;
using anim_test::Sheet;
using anim_test::Tag;
using GLINT::SDL::Rect;

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

    int End_Sounds = 0;
    int Attack_Msgs = 0;
    int Camera_Follows = 0;
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
        infos.X = 100;
        infos.Y = 100;
        infos.X_Modifier = 4;
        infos.Y_Modifier = 6;
        infos.CB_Width = 10;
        infos.CB_Height = 12;
        infos.Direction = 2;
        infos.Allowed_Area = Rect(0, 0, 2000, 1500);
        set.Stop = Load("stop", Sheet{1, 8, 8});
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

    // Slots left empty in set play the stop sheet, as the loader does.
    Character_Animations_Center& Start(BattleField* field = nullptr) {
        for (Character_Animation** slot : {&set.Walk, &set.Run, &set.Attack, &set.Hit})
            if (!*slot)
                *slot = set.Stop;
        centre = std::make_unique<Character_Animations_Center>(&hero, field, set);
        hero.Infos().Animation_Center = centre.get();
        return *centre;
    }

    void At(Uint32 ms) { Game_Clock::Set(ms); }
    int Shown_Column(const Character_Animation& sheet) const {
        return hero.Infos().Source_Rect.getx() / sheet.Width;
    }

    BattleField& Field() {
        files.Write_Sprite("grass", "Grass", 32, 32, 1, "", 1, 1);
        files.Write_Mapping(files.Section("BF_BG_Sprite_Mapping", files.folder.c_str(),
                                          bf_test::BF_Fixture::Element("BF_BG_Sprite_Mapping", 1, "grass.xml")));
        field = std::make_unique<BattleField>(files.Write_Description("<Background/><Environment/>", 1));
        return *field;
    }

    Animation_Files files;
    std::unique_ptr<BattleField> field;
    Animation_Set set;
    Test_Character hero;
    std::unique_ptr<Character_Animations_Center> centre;
};

} // namespace

TEST_F(Character_Animations_Center_Test, LateCallsCatchUpOneFramePerCallWithoutDrift) {
    set.Pause = Load("pause", Sheet{4, 8, 8, 100});
    Character_Animations_Center& c = Start();
    c.Pause_Animation_Play(); // at 10000: frame 0 at once
    struct Step {
        const char* name;
        Uint32 now;
        int shown;
        Uint32 lastStep;
    };
    const Step steps[] = {
        {"too early", 10050, 0, 10000},
        {"3.5 intervals late: one frame", 10350, 1, 10350},
        {"still late: next frame", 10350, 2, 10350},
        {"still late: next frame again", 10350, 3, 10350},
        {"caught up: reference 10300, nothing due", 10350, 3, 10350},
        {"on the grid again, the loop wraps", 10400, 0, 10400},
        {"one interval later", 10500, 1, 10500},
    };
    EXPECT_EQ(Shown_Column(*set.Pause), 0);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        At(s.now);
        c.Pause_Animation_Callback();
        EXPECT_EQ(Shown_Column(*set.Pause), s.shown);
        EXPECT_EQ(c.Get_Last_Step(), s.lastStep);
        // The facing is the row.
        EXPECT_EQ(hero.Infos().Source_Rect.gety(), 2 * 8);
    }
}

TEST_F(Character_Animations_Center_Test, PauseLoopsUntilReplaced) {
    struct Scenario {
        const char* name;
        int frames; // 0: no pause sheet
        Sint16 state;
        std::vector<int> shown; // after Play, then after each callback one interval apart
    };
    const Scenario scenarios[] = {
        {"no pause sheet: just stopped", 0, -1, {}},
        {"one frame: shown and kept", 1, -3, {0, 0, 0}},
        {"three frames: loops", 3, -3, {0, 1, 2, 0, 1, 2, 0}},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        centre.reset();
        set.Clear();
        set.Stop = Load("stop", Sheet{});
        if (s.frames)
            set.Pause = Load("pause", Sheet{s.frames, 8, 8, 100});
        Character_Animations_Center& c = Start();
        At(10000);
        c.Stop_Animation_Play();
        hero.Infos().Anim_State = -2;
        c.Pause_Animation_Play();
        EXPECT_EQ(hero.Infos().Anim_State, s.state);
        if (!s.frames) {
            EXPECT_EQ(hero.Infos().Current_Sheet, set.Stop->Sheet);
            continue;
        }
        EXPECT_EQ(hero.Infos().Current_Sheet, set.Pause->Sheet);
        for (std::size_t i = 0; i < s.shown.size(); ++i) {
            if (i > 0) {
                At(10000 + 100 * static_cast<Uint32>(i));
                c.Pause_Animation_Callback();
            }
            EXPECT_EQ(Shown_Column(*set.Pause), s.shown[i]) << "step " << i;
            EXPECT_EQ(hero.Infos().Anim_State, -3);
        }
    }
}

TEST_F(Character_Animations_Center_Test, AttackStrikesAtItsKeyFrameAndEndsStanding) {
    struct Scenario {
        const char* name;
        int frames, keyFrame, attackType;
        int strikeCall; // due callbacks after Play before the strike (0: in Play itself); -1 never
    };
    const Scenario scenarios[] = {
        {"key frame 0 strikes on the first frame", 3, 0, 1, 0},
        {"key frame 2 strikes on the third", 3, 2, 0, 2},
        {"last frame as key frame", 2, 1, 1, 1},
        {"a distant attack launches, no hit test", 3, 0, 2, -1},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        centre.reset();
        set.Clear();
        set.Stop = Load("stop", Sheet{});
        set.Attack = Load("attack", Sheet{s.frames, 8, 8, 100, Tag("KeyFrame", s.keyFrame)});
        Character_Animations_Center& c = Start();
        hero.End_Sounds = hero.Attack_Msgs = 0;

        Test_Character victim;
        CH_Base_All_Infos& v = victim.Infos();
        v.X = 300;
        v.Y = 300;
        v.Collision_Rect = Rect(300, 300, 10, 10);
        v.CH_Characteristics->Max_Life = v.CH_Characteristics->Life = 50;
        v.CH_Characteristics->Character_ID = Undead_ID;
        ASSERT_TRUE(Characters_Map::Instance().Insert(v.X, v.Y, &victim));

        CH_Base_All_Infos& infos = hero.Infos();
        infos.Attack_Type = s.attackType;
        infos.Attack_State = 2;
        infos.Attack_Result = 0;
        infos.Attack_Rect = Rect(295, 295, 10, 10);
        infos.CH_Characteristics->Damage_Min = infos.CH_Characteristics->Damage_Max = 5;

        At(10000);
        c.Attack_Animation_Play();
        EXPECT_EQ(infos.Current_Sheet, set.Attack->Sheet);
        for (int call = 0; call <= s.frames - 1; ++call) {
            if (call > 0) {
                At(10000 + 100 * static_cast<Uint32>(call));
                c.Attack_Animation_Callback();
            }
            EXPECT_EQ(Shown_Column(*set.Attack), call);
            const bool struck = s.strikeCall >= 0 && call >= s.strikeCall;
            EXPECT_EQ(infos.Attack_Result, struck ? Undead_ID : 0) << "call " << call;
            EXPECT_EQ(v.CH_Characteristics->Life, struck ? 45 : 50) << "call " << call;
            EXPECT_EQ(infos.Attack_State, 2);
        }
        // The last frame keeps its interval; the next due call ends the attack.
        At(10000 + 100 * static_cast<Uint32>(s.frames) - 1);
        c.Attack_Animation_Callback();
        EXPECT_EQ(infos.Attack_State, 2);
        At(10000 + 100 * static_cast<Uint32>(s.frames));
        c.Attack_Animation_Callback();
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
    struct Scenario {
        const char* name;
        int frames; // 0: no death sheet
    };
    const Scenario scenarios[] = {{"no death sheet: dead at once", 0}, {"three death frames", 3}};
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        centre.reset();
        set.Clear();
        set.Stop = Load("stop", Sheet{});
        if (s.frames)
            set.Death = Load("death", Sheet{s.frames, 8, 8, 100});
        Character_Animations_Center& c = Start();
        CH_Base_All_Infos& infos = hero.Infos();
        infos.Life_State = 0;
        infos.Attack_State = 2;
        infos.Anim_State = 1; // dying while walking stops the walk first
        infos.CH_Characteristics->Vector_X = 1.0f;
        infos.Killed_By_Player = 1;

        At(10000);
        c.Death_Animation_Play();
        EXPECT_EQ(infos.Attack_State, 0);
        EXPECT_EQ(infos.Anim_State, -1);
        EXPECT_EQ(infos.CH_Characteristics->Vector_X, 0.0f);
        if (!s.frames) {
            EXPECT_EQ(infos.Life_State, -2);
            continue;
        }
        EXPECT_EQ(infos.Life_State, -1);
        EXPECT_EQ(infos.Current_Sheet, set.Death->Sheet);
        for (int f = 1; f < s.frames; ++f) {
            At(10000 + 100 * static_cast<Uint32>(f));
            c.Death_Animation_Callback();
            EXPECT_EQ(Shown_Column(*set.Death), f);
            EXPECT_EQ(infos.Life_State, -1);
        }
        At(10000 + 100 * static_cast<Uint32>(s.frames));
        c.Death_Animation_Callback();
        EXPECT_EQ(infos.Life_State, -2);
        EXPECT_EQ(Shown_Column(*set.Death), s.frames - 1) << "the last frame stays shown";
    }
}

TEST_F(Character_Animations_Center_Test, HitInterruptsAMoveAndEndsBackAtStop) {
    set.Hit = Load("hit", Sheet{2, 8, 8, 100});
    Character_Animations_Center& c = Start();
    CH_Base_All_Infos& infos = hero.Infos();
    infos.Anim_State = 1;
    infos.CH_Characteristics->Vector_X = -1.0f;
    infos.CH_Characteristics->Running = true;
    infos.Path.push_back(GLINT::SDL::Point(5, 5));

    At(10000);
    c.Hit_Animation_Play();
    EXPECT_EQ(infos.Hit_State, 1);
    EXPECT_EQ(infos.Anim_State, -1);
    EXPECT_EQ(infos.CH_Characteristics->Vector_X, 0.0f);
    EXPECT_FALSE(infos.CH_Characteristics->Running);
    EXPECT_TRUE(infos.Path.empty());
    EXPECT_EQ(infos.Current_Sheet, set.Hit->Sheet);
    EXPECT_EQ(Shown_Column(*set.Hit), 0);

    At(10100);
    c.Hit_Animation_Callback();
    EXPECT_EQ(Shown_Column(*set.Hit), 1);
    EXPECT_EQ(infos.Hit_State, 1);
    At(10200);
    c.Hit_Animation_Callback();
    EXPECT_EQ(infos.Hit_State, 0);
    EXPECT_EQ(infos.Current_Sheet, set.Stop->Sheet);
    EXPECT_EQ(infos.Source_Rect, set.Stop->Frame(2, 0));
}

TEST_F(Character_Animations_Center_Test, ModifiersApplyAsDifferencesBetweenSheets) {
    delete set.Stop;
    set.Stop = Load("stop", Sheet{1, 8, 8, 100, Modifiers(2, -1, 1, 0)});
    set.Hit = Load("hit", Sheet{1, 8, 8, 100, Modifiers(5, 3, -2, 4)});
    Character_Animations_Center& c = Start();
    struct Step {
        const char* name;
        bool hit;
        int x, y, xMod, yMod;
    };
    // Start: position (100, 100), box offset (4, 6).
    const Step steps[] = {
        {"first stop adds its own", false, 102, 99, 5, 6},   {"hit adds the difference", true, 105, 103, 2, 10},
        {"stop takes it back", false, 102, 99, 5, 6},        {"again: no drift", true, 105, 103, 2, 10},
        {"and back", false, 102, 99, 5, 6},                  {"stop twice changes nothing", false, 102, 99, 5, 6},
    };
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
        EXPECT_EQ(infos.Collision_Rect, Rect(s.x + s.xMod, s.y + s.yMod, 10, 12));
    }
}

TEST_F(Character_Animations_Center_Test, ModifiersInForceFollowTheCharacterAcrossItsCentres) {
    delete set.Stop;
    set.Stop = Load("stop", Sheet{1, 8, 8, 100, Modifiers(2, 0, 0, 0)});
    Animation_Set bow;
    bow.Stop = Load("bow", Sheet{1, 8, 8, 100, Modifiers(6, 0, 0, 0)});
    bow.Walk = bow.Run = bow.Attack = bow.Hit = bow.Stop;
    CH_Base_All_Infos& infos = hero.Infos();
    Start();
    infos.Primary_Animation_Center = std::make_unique<Character_Animations_Center>(&hero, nullptr, set);
    infos.Secondary_Animation_Center = std::make_unique<Character_Animations_Center>(&hero, nullptr, bow);
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

TEST_F(Character_Animations_Center_Test, BoxSizeTakesItsModifiersNeverBelowZero) {
    struct Scenario {
        const char* name;
        int wMod, hMod;
        Uint16 w, h;
    };
    const Scenario scenarios[] = {
        {"width below zero", -15, -3, 0, 9},
        {"both exactly zero", -10, -12, 0, 0},
        {"height below zero", 5, -40, 15, 0},
        {"grown", 2, 3, 12, 15},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        centre.reset();
        set.Clear();
        set.Stop = Load("stop", Sheet{1, 8, 8, 100, Modifiers(0, 0, 0, 0, s.wMod, s.hMod)});
        Start().Stop_Animation_Play();
        EXPECT_EQ(hero.Infos().Collision_Rect.getw(), s.w);
        EXPECT_EQ(hero.Infos().Collision_Rect.geth(), s.h);
        // The record's own box size is left alone.
        EXPECT_EQ(hero.Infos().CB_Width, 10);
        EXPECT_EQ(hero.Infos().CB_Height, 12);
    }
}

TEST_F(Character_Animations_Center_Test, WalkAndRunStepsMoveThroughTheCollisionTest) {
    struct Scenario {
        const char* name;
        bool running;
        float dx, dy;
        int velocity, runVelocity;
        Rect area;
        int x1, y1; // after Play (first step)
        int x2, y2; // after the second step
        int blockedAt; // the step that is blocked, 0 for none
    };
    const Rect field(0, 0, 2000, 1500);
    // The box starts at (104, 106), 10 x 12.
    const Scenario scenarios[] = {
        {"walk right", false, 1, 0, 4, 9, field, 104, 100, 108, 100, 0},
        {"run up-left", true, -1, -1, 4, 6, field, 94, 94, 88, 88, 0},
        {"run without a run speed stays put", true, 1, 1, 4, 0, field, 100, 100, 100, 100, 0},
        {"no direction, no move", false, 0, 0, 4, 6, field, 100, 100, 100, 100, 0},
        // 108 + 10 > 117: the box is clamped back to 107, so X = 103.
        {"blocked at the area's edge", false, 1, 0, 4, 6, Rect(0, 0, 117, 1500), 103, 100, 0, 0, 1},
        // The second step down reaches 114 + 12 > 125: box clamped at 113, Y = 107.
        {"blocked on the second step", false, 0, 1, 4, 6, Rect(0, 0, 2000, 125), 100, 104, 100, 107, 2},
    };
    BattleField& battlefield = Field();
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        set.Clear();
        set.Stop = Load("stop", Sheet{});
        set.Walk = Load("walk", Sheet{2, 8, 8, 50});
        set.Run = Load("run", Sheet{2, 8, 8, 50});
        Character_Animations_Center& c = Start(&battlefield);
        hero.Movement_Sounds.clear();
        hero.Camera_Follows = 0;
        CH_Base_All_Infos& infos = hero.Infos();
        infos.X = 100;
        infos.Y = 100;
        infos.Anim_State = -1;
        infos.Allowed_Area = s.area;
        infos.Path = {GLINT::SDL::Point(500, 500)};
        Characteristics& stats = *infos.CH_Characteristics;
        stats.Vector_X = s.dx;
        stats.Vector_Y = s.dy;
        stats.Velocity = s.velocity;
        stats.Run_Velocity = s.runVelocity;
        stats.Running = s.running;
        const Character_Animation& sheet = s.running ? *set.Run : *set.Walk;
        auto step = [&](Uint32 now) {
            At(now);
            if (s.running)
                c.Run_Animation_Callback();
            else
                c.Walk_Animation_Callback();
        };

        At(10000);
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
            step(10050);
            EXPECT_EQ(infos.X, s.x2);
            EXPECT_EQ(infos.Y, s.y2);
            EXPECT_EQ(hero.Camera_Follows, 2);
        }
        // Blocked or not, the box is where the collision test left it.
        EXPECT_EQ(infos.Collision_Rect.getx(), infos.X + 4);
        EXPECT_EQ(infos.Collision_Rect.gety(), infos.Y + 6);

        if (s.blockedAt) {
            EXPECT_EQ(infos.Anim_State, -1);
            EXPECT_EQ(stats.Vector_X, 0.0f);
            EXPECT_EQ(stats.Vector_Y, 0.0f);
            EXPECT_FALSE(stats.Running);
            EXPECT_TRUE(infos.Path.empty());
            EXPECT_EQ(infos.Current_Sheet, set.Stop->Sheet);
            continue;
        }
        EXPECT_EQ(infos.Anim_State, 1);
        EXPECT_EQ(Shown_Column(sheet), 1);
        EXPECT_EQ(infos.Path.size(), 1u);
        // After its last frame's interval the cycle ends where it is; the caller starts the next.
        step(10100);
        EXPECT_EQ(infos.Anim_State, 0);
        EXPECT_EQ(infos.X, s.x2);
        EXPECT_EQ(infos.Y, s.y2);
    }
}

TEST_F(Character_Animations_Center_Test, FailuresAreLoggedAndLeaveTheCharacterStanding) {
    struct Scenario {
        const char* name;
        std::function<void(Character_Animations_Center&)> op;
        std::string logged;
    };
    const Scenario scenarios[] = {
        {"walking without a battlefield", [](Character_Animations_Center& c) { c.Walk_Animation_Play(); },
         "Error in Character_Animations_Center::Walk_Animation_Play(), No battlefield to move on"},
        {"a hit without its sheet", [](Character_Animations_Center& c) { c.Hit_Animation_Play(); },
         "Error in Character_Animations_Center::Hit_Animation_Play(), No Hit animation"},
        {"an attack callback without its sheet", [](Character_Animations_Center& c) { c.Attack_Animation_Callback(); },
         "Error in Character_Animations_Center::Attack_Animation_Callback(), No Attack animation"},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        centre.reset();
        set.Clear();
        set.Stop = Load("stop", Sheet{});
        set.Walk = set.Run = set.Stop;
        centre = std::make_unique<Character_Animations_Center>(&hero, nullptr, set);
        CH_Base_All_Infos& infos = hero.Infos();
        infos.Animation_Center = centre.get();
        infos.Anim_State = 1;
        infos.CH_Characteristics->Vector_Y = 1.0f;
        infos.Current_Sheet = nullptr;
        Log_Capture log;
        EXPECT_NO_THROW(s.op(*centre));
        EXPECT_NE(log.str().find(s.logged), std::string::npos) << log.str();
        EXPECT_EQ(infos.Anim_State, -1);
        EXPECT_EQ(infos.CH_Characteristics->Vector_Y, 0.0f);
        EXPECT_EQ(infos.Current_Sheet, set.Stop->Sheet);
    }
}

TEST_F(Character_Animations_Center_Test, StopWithoutItsSheetOnlyLogs) {
    Character_Animations_Center c(&hero, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, false);
    Log_Capture log;
    EXPECT_NO_THROW(c.Stop_Animation_Play());
    EXPECT_NE(log.str().find("Error in Character_Animations_Center::Stop_Animation_Play(), No Stop animation"),
              std::string::npos)
        << log.str();
}

TEST_F(Character_Animations_Center_Test, AnOwningCentreDeletesSharedSheetsOnce) {
    Character_Animation* stop = Load("own_stop", Sheet{});
    Character_Animation* death = Load("own_death", Sheet{});
    // Under the sanitizer builds a second deletion of the shared stop sheet fails here.
    Character_Animations_Center owning(&hero, nullptr, stop, stop, stop, stop, stop, nullptr, death, true);
    owning.Clean_Character_Animations_Center();
    EXPECT_EQ(owning.Get_Stop(), nullptr);
    EXPECT_EQ(owning.Get_Walk(), nullptr);
    EXPECT_EQ(owning.Get_Death(), nullptr);
}
