#include "interface/GamepadInput.hpp"
#include "interface/KeyboardInput.hpp"
#include "interface/MouseInput.hpp"
#include "interface/World_Map.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include <SDL/SDL.h>

#include "characters/Player_Test_Support.hpp"
#include "media/EventDispatcher.hpp"
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

// Remembers the keys the pad hands on.
class Key_Recorder : public GLINT::SDL::Keyboard {
public:
    bool handleKeyEvent(const GLINT::SDL::Key& key, bool pressed) override {
        keys.emplace_back(key.getKey(), pressed);
        return true;
    }
    std::vector<std::pair<int, bool>> keys;
};

SDL_JoyAxisEvent Axis(int axis, int value) {
    SDL_JoyAxisEvent e{};
    e.type = SDL_JOYAXISMOTION;
    e.axis = static_cast<Uint8>(axis);
    e.value = static_cast<Sint16>(value);
    return e;
}
SDL_JoyHatEvent Hat(int value) {
    SDL_JoyHatEvent e{};
    e.type = SDL_JOYHATMOTION;
    e.value = static_cast<Uint8>(value);
    return e;
}
SDL_JoyButtonEvent Button(int button) {
    SDL_JoyButtonEvent e{};
    e.type = SDL_JOYBUTTONDOWN;
    e.button = static_cast<Uint8>(button);
    return e;
}

// The shipped hero, Config.ini's default keys, the game playing, no interface;
// the keyboard, and a pad that hands its menu keys to a recorder.
class Input_Test : public player_test::Shipped_Hero {
protected:
    void SetUp() override {
        Shipped_Hero::SetUp();
        using S = Game_Settings;
        S::GLOBAL_GAME_STATE = 3;
        for (auto b : {std::make_pair(&S::UP_1, "KW"), {&S::DOWN_1, "KS"}, {&S::LEFT_1, "KQ"}, {&S::RIGHT_1, "KE"},
                       {&S::ATTACK_1, "KLCTRL"}, {&S::RUN_1, "KLSHIFT"}, {&S::UP_2, "KUP"}, {&S::LEFT_2, "KLEFT"},
                       {&S::RIGHT_2, "KRIGHT"}})
            *b.first = Key_Binding::From_Value(b.second);
        Fresh_Keyboard();
        pad = std::make_unique<GamepadInput>(hero.get(), nullptr, &recorder);
    }
    void TearDown() override {
        pad.reset();
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
    void Stick(int x, int y) {
        EXPECT_TRUE(pad->handleAxisEvent(Axis(GamepadInput::Stick_X, x)));
        EXPECT_TRUE(pad->handleAxisEvent(Axis(GamepadInput::Stick_Y, y)));
    }
    void Press(int button, bool pressed = true) { EXPECT_TRUE(pad->handleButtonEvent(Button(button), pressed)); }
    // The window, whose exit flag shows a quit request.
    GLINT::SDL::Window& Window() {
        GLINT::SDL::MediaContext& media = GLINT::SDL::MediaContext::instance();
        EXPECT_TRUE(media.InitVideo(false, false, true, false));
        media.getWindow()->setExit(false);
        return *media.getWindow();
    }

    std::unique_ptr<KeyboardInput> keyboard;
    Key_Recorder recorder;
    std::unique_ptr<GamepadInput> pad;
};

#define EXPECT_VECTOR(x, y, why)                                                                                   \
    EXPECT_FLOAT_EQ(Stats().Vector_X, x) << why;                                                                   \
    EXPECT_FLOAT_EQ(Stats().Vector_Y, y) << why

} // namespace

TEST_F(Input_Test, TheMovementVectorFollowsTheHeldKeys) {
    using S = Game_Settings;
    struct Scenario {
        const char* name;
        bool right_in_both_sets;
        std::vector<Stroke> strokes;
        float x, y;
        short direction;
    } scenarios[] = {
        {"right and down: a diagonal no longer than a step", false, {{"KE", 1}, {"KS", 1}}, D, D, S::CH_RIGHT_DOWN},
        {"right and down, right let go", false, {{"KE", 1}, {"KS", 1}, {"KE", 0}}, 0, 1, S::CH_DOWN},
        {"left and right cancel, facing kept", false, {{"KE", 1}, {"KQ", 1}}, 0, 0, S::CH_RIGHT},
        {"both sets held, one let go", false, {{"KE", 1}, {"KRIGHT", 1}, {"KE", 0}}, 1, 0, S::CH_RIGHT},
        {"up-left by the arrows", false, {{"KUP", 1}, {"KLEFT", 1}}, -D, -D, S::CH_LEFT_UP},
        {"a release without its press", false, {{"KS", 0}}, 0, 0, S::CH_DOWN},
        {"a key in both sets counts once", true, {{"KE", 1}, {"KQ", 1}, {"KQ", 0}}, 1, 0, S::CH_RIGHT},
        {"a key in both sets let go once", true, {{"KE", 1}, {"KE", 0}}, 0, 0, S::CH_RIGHT},
    };
    for (const Scenario& s : scenarios) {
        S::RIGHT_2 = Key_Binding::From_Value(s.right_in_both_sets ? "KE" : "KRIGHT");
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

TEST_F(Input_Test, TabShowsAndHidesTheMapUnlessThePlayerBoundItToAnAction) {
    for (bool shown : {true, false}) {
        Type({{"KTAB", 1}, {"KTAB", 0}});
        EXPECT_EQ(World_Map::Is_Shown(), shown);
    }
    Game_Settings::DRAW_MAGIC_SPELL_2 = Key_Binding::From_Value("KTAB");
    Type({{"KTAB", 1}});
    EXPECT_FALSE(World_Map::Is_Shown());
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
    // Nor does the pad: a pad button cannot be bound to a key.
    Stick(0, 32767);
    Press(GamepadInput::Button_A);
    EXPECT_TRUE(recorder.keys.empty());
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

TEST(Gamepad_Stick, EightSectorsOfFortyFiveDegreesOutsideTheDeadZone) {
    struct Case {
        int x, y, dx, dy;
    } cases[] = {
        {0, 0, 0, 0},           {7999, 0, 0, 0},          {5000, 5000, 0, 0},     // inside the dead zone
        {8000, 0, 1, 0},        {32767, 0, 1, 0},         {-32768, 0, -1, 0},     // straight
        {0, 32767, 0, 1},       {0, -32768, 0, -1},
        {20000, 20000, 1, 1},   {-20000, 20000, -1, 1},   {-20000, -20000, -1, -1}, // diagonals
        {30000, 12000, 1, 0},   {30000, 13000, 1, 1},     // either side of 22.5 degrees
        {12000, -30000, 0, -1}, {13000, -30000, 1, -1},
    };
    for (const Case& c : cases) {
        int dx = 9, dy = 9;
        GamepadInput::Stick_Direction(c.x, c.y, dx, dy);
        EXPECT_EQ(std::make_pair(dx, dy), std::make_pair(c.dx, c.dy)) << c.x << ", " << c.y;
    }
}

TEST_F(Input_Test, StickAndDpadSteerInEightDirectionsTheDpadFirst) {
    using S = Game_Settings;
    Stick(32767, 32767);
    EXPECT_VECTOR(D, D, "stick down-right");
    EXPECT_EQ(hero->Infos().Direction, S::CH_RIGHT_DOWN);
    Stick(-32768, 1000);
    EXPECT_VECTOR(-1, 0, "stick left");
    EXPECT_EQ(hero->Infos().Direction, S::CH_LEFT);

    EXPECT_TRUE(pad->handleHatEvent(Hat(SDL_HAT_RIGHTUP)));
    EXPECT_VECTOR(D, -D, "the d-pad outweighs the stick");
    EXPECT_EQ(hero->Infos().Direction, S::CH_RIGHT_UP);
    pad->handleHatEvent(Hat(SDL_HAT_CENTERED));
    EXPECT_VECTOR(-1, 0, "the d-pad let go: the stick again");

    Stick(3000, 0);
    EXPECT_VECTOR(0, 0, "a stick at rest in the dead zone");
    // A d-pad reported as axes 6 and 7.
    pad->handleAxisEvent(Axis(GamepadInput::Pad_Y, 32767));
    EXPECT_VECTOR(0, 1, "d-pad axis down");
    pad->handleAxisEvent(Axis(GamepadInput::Pad_Y, 0));
    EXPECT_VECTOR(0, 0, "d-pad axis let go");
    EXPECT_FALSE(pad->handleAxisEvent(Axis(3, 32767))) << "the right stick steers nothing";

    // Mid-blow a new direction waits, but letting go counts.
    Stick(32767, 0);
    hero->Infos().Attack_State = 2;
    pad->handleAxisEvent(Axis(GamepadInput::Stick_Y, 32767));
    EXPECT_VECTOR(1, 0, "turned down-right while attacking");
    Stick(0, 0);
    EXPECT_VECTOR(0, 0, "let go while attacking");
    hero->Infos().Attack_State = 0;
    Stick(0, 32767);
    EXPECT_VECTOR(0, 1, "down once he can act");
}

TEST_F(Input_Test, PadButtonsCarryOutThePlayersCommands) {
    Press(GamepadInput::Button_A);
    EXPECT_EQ(hero->Infos().Attack_State, 2) << "A attacks";
    hero->Attack_Reset();
    Stick(32767, 0);
    Press(GamepadInput::Button_L_Stick);
    EXPECT_TRUE(Stats().Running) << "the stick pressed runs";
    Press(GamepadInput::Button_L_Stick, false);
    EXPECT_FALSE(Stats().Running);
    EXPECT_TRUE(recorder.keys.empty()) << "while playing the pad acts itself";

    // Ten buttons, ten commands; the guide button (8) belongs to the system.
    std::set<Player_Commands::Command> commands;
    for (int button = 0; button <= 10; ++button) {
        Player_Commands::Command command;
        if (GamepadInput::Button_Command(button, command))
            commands.insert(command);
        else
            EXPECT_EQ(button, 8);
    }
    EXPECT_EQ(commands.size(), 10u);
}

TEST_F(Input_Test, OutsidePlayThePadHandsOnArrowsReturnAndEscape) {
    using K = KeyboardInput;
    using Keys = std::vector<std::pair<int, bool>>;
    for (int state : {4, 5, 7, 8}) {
        recorder.keys.clear();
        Stick(0, 0);
        Game_Settings::GLOBAL_GAME_STATE = state;
        Stick(0, 20000);
        Stick(20000, 20000); // rolling on to down-right is still down
        Stick(0, 32767);
        Stick(0, 0);
        Stick(0, -32768);
        Stick(-32768, 0);
        Press(GamepadInput::Button_A);
        Press(GamepadInput::Button_A, false);
        Press(GamepadInput::Button_B);
        Press(GamepadInput::Button_Start);
        Press(GamepadInput::Button_X);
        EXPECT_EQ(recorder.keys, (Keys{{K::Key_Down, true}, {K::Key_Down, false}, {K::Key_Up, true},
                                       {K::Key_Up, false}, {K::Key_Left, true}, {K::Key_Left, false},
                                       {K::Key_Return, true}, {K::Key_Return, false}, {K::Key_Escape, true},
                                       {K::Key_Escape, true}}))
            << "state " << state;
        Game_Settings::GLOBAL_GAME_STATE = 3;
    }
    EXPECT_VECTOR(0, 0, "the menus' pushes never steered the hero");
}

TEST_F(Input_Test, PadEventsPushedIntoSDLsQueueReachThePadThroughTheWindow) {
    GLINT::SDL::Window& window = Window();
    GLINT::SDL::MediaContext& media = GLINT::SDL::MediaContext::instance();
    EXPECT_GE(media.InitJoystick(), 0) << "no pad is no failure";
    media.setJoystickHandler(pad.release());

    SDL_Event event{};
    event.jaxis = Axis(GamepadInput::Stick_X, -32768);
    ASSERT_EQ(SDL_PushEvent(&event), 0);
    event.jbutton = Button(GamepadInput::Button_A);
    ASSERT_EQ(SDL_PushEvent(&event), 0);
    window.getEventDispatcher().dispatchPending();
    EXPECT_VECTOR(-1, 0, "the stick");
    EXPECT_EQ(hero->Infos().Attack_State, 2) << "A";
    media.setJoystickHandler(nullptr);
}
