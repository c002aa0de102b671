#include "interface/KeyboardInput.hpp"
#include "interface/MouseInput.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <SDL/SDL.h>

#include "characters/Character_Animations_Center.hpp"
#include "characters/Player_Test_Support.hpp"
#include "media/DefaultKeyboard.hpp"
#include "media/KeyNames.hpp"
#include "media/MediaContext.hpp"
#include "media/Window.hpp"

using GLINT::SDL::Key;
using GLINT::SDL::KeyNames;

namespace {

const float D = 1.0f / std::sqrt(2.0f);

struct Stroke {
    const char* key;
    bool pressed;
};

// The shipped hero, Config.ini's default keys, the game playing, no interface.
class Input_Test : public player_test::Shipped_Hero {
protected:
    void SetUp() override {
        Shipped_Hero::SetUp();
        using S = Game_Settings;
        for (auto b : {std::make_pair(&S::UP_1, "KW"), {&S::DOWN_1, "KS"}, {&S::LEFT_1, "KQ"}, {&S::RIGHT_1, "KE"},
                       {&S::ATTACK_1, "KLCTRL"}, {&S::RUN_1, "KLSHIFT"}, {&S::UP_2, "KUP"}, {&S::LEFT_2, "KLEFT"},
                       {&S::RIGHT_2, "KRIGHT"}})
            *b.first = Key_Binding::From_Value(b.second);
        Fresh_Keyboard();
    }
    void TearDown() override {
        keyboard.reset();
        SDL_SetModState(KMOD_NONE);
        Shipped_Hero::TearDown();
    }
    void Fresh_Keyboard() {
        keyboard = std::make_unique<KeyboardInput>(hero.get(), nullptr);
        Stats().Vector_X = Stats().Vector_Y = 0.0f;
        hero->Infos().Direction = Game_Settings::CH_DOWN;
    }
    void Type(const std::vector<Stroke>& strokes, int mod = 0) {
        for (const Stroke& s : strokes)
            EXPECT_TRUE(keyboard->handleKeyEvent(Key(KeyNames::number(s.key), mod, 0), s.pressed)) << s.key;
    }
    // The window, whose exit flag shows a quit request.
    GLINT::SDL::Window& Window() {
        GLINT::SDL::MediaContext& media = GLINT::SDL::MediaContext::instance();
        EXPECT_TRUE(media.InitVideo(false, false, true, false));
        media.getWindow()->setExit(false);
        return *media.getWindow();
    }

    std::unique_ptr<KeyboardInput> keyboard;
};

#define EXPECT_VECTOR(x, y, why)                                                                                   \
    EXPECT_FLOAT_EQ(Stats().Vector_X, x) << why;                                                                   \
    EXPECT_FLOAT_EQ(Stats().Vector_Y, y) << why

} // namespace

TEST_F(Input_Test, TheMovementVectorFollowsTheHeldKeys) {
    using S = Game_Settings;
    struct Scenario {
        const char* name;
        std::vector<Stroke> strokes;
        float x, y;
        short direction;
    } scenarios[] = {
        {"right and down: a diagonal no longer than a step", {{"KE", 1}, {"KS", 1}}, D, D, S::CH_RIGHT_DOWN},
        {"right and down, right let go", {{"KE", 1}, {"KS", 1}, {"KE", 0}}, 0, 1, S::CH_DOWN},
        {"left and right cancel, facing kept", {{"KE", 1}, {"KQ", 1}}, 0, 0, S::CH_RIGHT},
        {"both sets held, one let go", {{"KE", 1}, {"KRIGHT", 1}, {"KE", 0}}, 1, 0, S::CH_RIGHT},
        {"up-left by the arrows", {{"KUP", 1}, {"KLEFT", 1}}, -D, -D, S::CH_LEFT_UP},
        {"a release without its press", {{"KS", 0}}, 0, 0, S::CH_DOWN},
    };
    for (const Scenario& s : scenarios) {
        Fresh_Keyboard();
        Type(s.strokes);
        EXPECT_VECTOR(s.x, s.y, s.name);
        EXPECT_EQ(hero->Infos().Direction, s.direction) << s.name;
    }
}

TEST_F(Input_Test, PressesWhileHitOrAttackingAreIgnoredButReleasesCount) {
    Type({{"KE", 1}});
    hero->Infos().Hit_State = 1;
    Type({{"KS", 1}});
    EXPECT_VECTOR(1, 0, "down pressed while hit");
    Type({{"KE", 0}});
    EXPECT_VECTOR(0, 0, "right let go while hit");
    hero->Infos().Hit_State = 0;
    Type({{"KS", 0}, {"KQ", 1}});
    hero->Infos().Attack_State = 2;
    Type({{"KW", 1}, {"KQ", 0}});
    EXPECT_VECTOR(0, 0, "up pressed while attacking, left let go");
    EXPECT_EQ(keyboard->Held_Movement_Keys(), 0u);
}

TEST_F(Input_Test, AKeyBoundInBothSetsActsOnce) {
    Game_Settings::RIGHT_2 = Game_Settings::RIGHT_1;
    Type({{"KE", 1}, {"KQ", 1}, {"KQ", 0}});
    EXPECT_VECTOR(1, 0, "right counted once, left once");
    Type({{"KE", 0}});
    EXPECT_VECTOR(0, 0, "nothing held");
}

TEST_F(Input_Test, AReleaseBehindAMenuLeavesTheHeroStanding) {
    struct Scenario {
        int state, walkFrames; // frames walked before the state changes
    } scenarios[] = {{4, 0}, {4, 5}, {5, 5}, {6, 0}};
    for (const Scenario& s : scenarios) {
        Game_Settings::GLOBAL_GAME_STATE = 3;
        Fresh_Keyboard();
        Place(600, 300);
        Type({{"KE", 1}, {"KLSHIFT", 1}});
        Frames(s.walkFrames);
        Game_Settings::GLOBAL_GAME_STATE = s.state;
        Type({{"KLSHIFT", 0}, {"KE", 0}});
        EXPECT_FALSE(Stats().Running) << s.state;
        Frames(20);
        const int x = hero->Infos().X;
        Frames(40);
        EXPECT_EQ(hero->Infos().X, x) << "state " << s.state << " after " << s.walkFrames << " frames";
    }
}

TEST_F(Input_Test, KeysMatchKeyBindingsAndButtonsButtonBindingsNeverAnUnboundOne) {
    MouseInput mouse(hero.get(), nullptr);
    struct Scenario {
        const char* type;
        bool byMouse, attacks;
    } scenarios[] = {{"Key", false, true}, {"Key", true, false}, {"Button", true, true}, {"Button", false, false}};
    for (const Scenario& s : scenarios) {
        Game_Settings::ATTACK_1.Code = 1; // backspace, or the left button
        Game_Settings::ATTACK_1.Type = s.type;
        hero->Attack_Reset();
        if (s.byMouse)
            mouse.handleMouseButtonEvent(1, 10, 10, true);
        else
            Type({{"KBACKSPACE", 1}});
        EXPECT_EQ(hero->Infos().Attack_State == 2, s.attacks) << s.type << (s.byMouse ? " by mouse" : " by key");
    }
    hero->Attack_Reset();
    keyboard->handleKeyEvent(Key(0, 0, 0), true);
    EXPECT_EQ(hero->Infos().Attack_State, 0) << "a key without a number matched an unbound action";
}

TEST_F(Input_Test, AltF4IsReadFromTheEventItself) {
    const int LAlt = 5, RAlt = 6, LCtrl = 3;
    struct Scenario {
        const char* name;
        int state, eventMod;
        SDLMod global;
        bool quits;
    } scenarios[] = {
        {"quick chord: Left Alt in the event only", 3, LAlt, KMOD_NONE, true},
        {"Right Alt in the event", 3, RAlt, KMOD_NONE, true},
        {"nothing in the event: SDL's state answers", 3, 0, KMOD_LALT, true},
        {"plain F4", 3, 0, KMOD_NONE, false},
        {"the event's Ctrl outweighs SDL's Alt", 3, LCtrl, KMOD_LALT, false},
        {"in the escape menu", 4, LAlt, KMOD_NONE, false},
        {"while a key is being bound", 6, LAlt, KMOD_NONE, false},
    };
    GLINT::SDL::Window& window = Window();
    for (const Scenario& s : scenarios) {
        window.setExit(false);
        Game_Settings::GLOBAL_GAME_STATE = s.state;
        SDL_SetModState(s.global);
        Type({{"KF4", 1}}, s.eventMod);
        EXPECT_EQ(window.getExit(), s.quits) << s.name;
    }
    // The window's own keyboard, before the game's is installed, reads it the same way.
    window.setExit(false);
    SDL_SetModState(KMOD_NONE);
    GLINT::SDL::DefaultKeyboard builtIn;
    builtIn.handleKeyEvent(Key(KeyboardInput::Key_F4, LAlt, 0), true);
    EXPECT_TRUE(window.getExit());
    window.setExit(false);
}

TEST_F(Input_Test, WhileBindingAKeyPressesDoNothingAndReleasesStopTheHero) {
    Type({{"KE", 1}});
    Game_Settings::GLOBAL_GAME_STATE = 6;
    Type({{"KS", 1}, {"KLCTRL", 1}});
    EXPECT_EQ(hero->Infos().Attack_State, 0);
    EXPECT_VECTOR(1, 0, "presses do nothing");
    Type({{"KS", 0}});
    EXPECT_VECTOR(0, 0, "a movement release stops him");
    EXPECT_TRUE(keyboard->handleKeyEvent(Key(0, 0, 0), false));
}

TEST(Input_Labels, EveryKeyHasALabelThatTurnsBackIntoItANamelessKeyNone) {
    EXPECT_EQ(KeyboardInput::Capture_Label(KeyNames::number("KLCTRL")), "LCTRL");
    EXPECT_EQ(KeyboardInput::Capture_Label(0), "");
    for (int key = 1; key <= KeyNames::Count; ++key)
        EXPECT_EQ(KeyNames::number("K" + KeyboardInput::Capture_Label(key)), key) << key;
}

TEST_F(Input_Test, DeathLeadsToTheCreditsAndTheCreditsToTheEnd) {
    GLINT::SDL::Window& window = Window();
    Game_Settings::GLOBAL_GAME_STATE = 7;
    Type({{"KE", 1}, {"KA", 1}});
    EXPECT_VECTOR(0, 0, "the dead do not walk");
    EXPECT_EQ(Game_Settings::GLOBAL_GAME_STATE, 7);
    Type({{"KRETURN", 1}, {"KRETURN", 0}, {"KA", 1}});
    EXPECT_EQ(Game_Settings::GLOBAL_GAME_STATE, 8);
    EXPECT_FALSE(window.getExit());
    Type({{"KKPENTER", 1}});
    EXPECT_TRUE(window.getExit());
    window.setExit(false);
}
