#include "interface/GamepadInput.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include <SDL/SDL.h>

#include "characters/Player_Test_Support.hpp"
#include "interface/KeyboardInput.hpp"
#include "media/EventDispatcher.hpp"
#include "media/Keyboard.hpp"
#include "media/MediaContext.hpp"
#include "media/Window.hpp"

namespace {

const float D = 1.0f / std::sqrt(2.0f);

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

// The shipped hero on the open field, the game playing, no interface.
class Gamepad_Test : public player_test::Shipped_Hero {
protected:
    void SetUp() override {
        Shipped_Hero::SetUp();
        Game_Settings::GLOBAL_GAME_STATE = 3;
        pad = std::make_unique<GamepadInput>(hero.get(), nullptr, &recorder);
        hero->Infos().Direction = Game_Settings::CH_DOWN;
    }
    void TearDown() override {
        pad.reset();
        Shipped_Hero::TearDown();
    }
    void Stick(int x, int y) {
        EXPECT_TRUE(pad->handleAxisEvent(Axis(GamepadInput::Stick_X, x)));
        EXPECT_TRUE(pad->handleAxisEvent(Axis(GamepadInput::Stick_Y, y)));
    }
    void Press(int button, bool pressed = true) { EXPECT_TRUE(pad->handleButtonEvent(Button(button), pressed)); }

    Key_Recorder recorder;
    std::unique_ptr<GamepadInput> pad;
};

#define EXPECT_VECTOR(x, y, why)                                                                                   \
    EXPECT_FLOAT_EQ(Stats().Vector_X, x) << why;                                                                   \
    EXPECT_FLOAT_EQ(Stats().Vector_Y, y) << why

} // namespace

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

TEST_F(Gamepad_Test, StickAndDpadSteerInEightDirectionsTheDpadFirst) {
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

    Stick(0, 0);
    EXPECT_VECTOR(0, 0, "all let go");
    // A d-pad reported as axes 6 and 7.
    pad->handleAxisEvent(Axis(GamepadInput::Pad_Y, 32767));
    EXPECT_VECTOR(0, 1, "d-pad axis down");
    pad->handleAxisEvent(Axis(GamepadInput::Pad_Y, 0));
    EXPECT_VECTOR(0, 0, "d-pad axis let go");
    EXPECT_FALSE(pad->handleAxisEvent(Axis(3, 32767))) << "the right stick steers nothing";
}

TEST_F(Gamepad_Test, TheStickWalksTheHeroAndLettingGoStopsHim) {
    const int x = hero->Infos().X;
    Stick(32767, 0);
    Frames(20);
    EXPECT_GT(hero->Infos().X, x + 20);
    Stick(3000, 0);
    const int stopped = hero->Infos().X;
    Frames(20);
    EXPECT_EQ(hero->Infos().X, stopped) << "a stick at rest in the dead zone";
}

TEST_F(Gamepad_Test, MidBlowANewDirectionWaitsButLettingGoCounts) {
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

TEST_F(Gamepad_Test, ButtonsCarryOutThePlayersCommands) {
    Press(GamepadInput::Button_A);
    EXPECT_EQ(hero->Infos().Attack_State, 2) << "A attacks";
    hero->Attack_Reset();

    Stick(32767, 0);
    Press(GamepadInput::Button_L_Stick);
    EXPECT_TRUE(Stats().Running) << "the stick pressed runs";
    Press(GamepadInput::Button_L_Stick, false);
    EXPECT_FALSE(Stats().Running);

    struct Case {
        int button;
        Player_Commands::Command command;
    } layout[] = {{GamepadInput::Button_A, Player_Commands::Attack},
                  {GamepadInput::Button_B, Player_Commands::Action},
                  {GamepadInput::Button_X, Player_Commands::Heal},
                  {GamepadInput::Button_Y, Player_Commands::Hide_Weapon},
                  {GamepadInput::Button_LB, Player_Commands::Draw_Melee_W},
                  {GamepadInput::Button_RB, Player_Commands::Draw_Distant_W},
                  {GamepadInput::Button_Back, Player_Commands::Inventory},
                  {GamepadInput::Button_Start, Player_Commands::Menu_Call}};
    for (const Case& c : layout) {
        Player_Commands::Command command;
        ASSERT_TRUE(GamepadInput::Button_Command(c.button, command));
        EXPECT_EQ(command, c.command) << c.button;
    }
    Player_Commands::Command none;
    EXPECT_FALSE(GamepadInput::Button_Command(8, none)) << "the guide button belongs to the system";
    EXPECT_TRUE(recorder.keys.empty()) << "while playing the pad acts itself";
}

TEST_F(Gamepad_Test, OutsidePlayThePadHandsOnArrowsReturnAndEscape) {
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

    recorder.keys.clear();
    Game_Settings::GLOBAL_GAME_STATE = 6;
    Stick(0, 32767);
    Press(GamepadInput::Button_A);
    EXPECT_TRUE(recorder.keys.empty()) << "a pad button cannot be bound to a key";
}

TEST_F(Gamepad_Test, EventsPushedIntoSDLsQueueReachThePadThroughTheWindow) {
    GLINT::SDL::MediaContext& media = GLINT::SDL::MediaContext::instance();
    ASSERT_TRUE(media.InitVideo(false, false, true, false));
    EXPECT_GE(media.InitJoystick(), 0) << "no pad is no failure";
    media.setJoystickHandler(pad.release());

    SDL_Event event{};
    event.jaxis = Axis(GamepadInput::Stick_X, -32768);
    ASSERT_EQ(SDL_PushEvent(&event), 0);
    event.jbutton = Button(GamepadInput::Button_A);
    ASSERT_EQ(SDL_PushEvent(&event), 0);
    media.getWindow()->getEventDispatcher().dispatchPending();
    EXPECT_VECTOR(-1, 0, "the stick");
    EXPECT_EQ(hero->Infos().Attack_State, 2) << "A";

    event = SDL_Event{};
    event.jhat = Hat(SDL_HAT_DOWN);
    ASSERT_EQ(SDL_PushEvent(&event), 0);
    media.getWindow()->getEventDispatcher().dispatchPending();
    EXPECT_VECTOR(-1, 0, "mid-blow the d-pad waits");
    media.setJoystickHandler(nullptr);
}
