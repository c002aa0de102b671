#include "lumen/LumenTestSupport.hpp"

#include <vector>

#include <guichan/key.hpp>

#include "lumen/lumeninput.hpp"
#include "media/ButtonNames.hpp"
#include "media/KeyNames.hpp"
#include "media/ModifierNames.hpp"

using namespace lumen_test;
using GLINT::SDL::ButtonNames;
using GLINT::SDL::KeyNames;
using GLINT::SDL::ModifierNames;

namespace {

class LumenInputTest : public SDLTest {
protected:
    void SetUp() override {
        SDLTest::SetUp();
        SDL_SetModState(KMOD_NONE);
    }

    gcn::KeyInput push(const char* name, const char* modifier = "None", Uint16 unicode = 0,
                       bool pressed = true) {
        input.pushKeyInput(
            GLINT::SDL::Key(KeyNames::number(name), ModifierNames::number(modifier), unicode),
            pressed);
        return input.dequeueKeyInput();
    }

    std::vector<gcn::MouseInput> drainMouse() {
        std::vector<gcn::MouseInput> all;
        while (!input.isMouseQueueEmpty())
            all.push_back(input.dequeueMouseInput());
        return all;
    }

    gcn::LumenInput input;
};

} // namespace

TEST_F(LumenInputTest, KeysCarryTheirCharacterOrGuichanValueAndModifiers) {
    EXPECT_EQ(guichanError([&] { input.dequeueKeyInput(); }), "The queue is empty.");
    EXPECT_EQ(guichanError([&] { input.dequeueMouseInput(); }), "The queue is empty.");

    const gcn::KeyInput a = push("KA", "LShift", 'A');
    EXPECT_EQ(a.getKey().getValue(), 'A');
    EXPECT_TRUE(a.isShiftPressed());
    EXPECT_FALSE(a.isControlPressed() || a.isAltPressed() || a.isMetaPressed() || a.isNumericPad());
    // Releases carry no character: the key's own symbol stands in.
    const gcn::KeyInput up = push("KA", "None", 0, false);
    EXPECT_EQ(up.getKey().getValue(), 'a');
    EXPECT_EQ(up.getType(), gcn::KeyInput::RELEASED);

    EXPECT_EQ(push("KRETURN").getKey().getValue(), gcn::Key::ENTER);
    EXPECT_TRUE(push("KF4", "Alt").isAltPressed());
    EXPECT_TRUE(push("KX", "LMeta").isMetaPressed());
    // A space is a space only when it types one; a dead key's character wins.
    EXPECT_EQ(push("KSPACE", "None", ' ').getKey().getValue(), gcn::Key::SPACE);
    EXPECT_EQ(push("KSPACE", "None", '~').getKey().getValue(), '~');

    // Keypad: digits with num lock, navigation without, always marked.
    const gcn::KeyInput eight = push("KKP8", "Num", '8');
    EXPECT_EQ(eight.getKey().getValue(), '8');
    EXPECT_TRUE(eight.isNumericPad());
    EXPECT_EQ(push("KKP8").getKey().getValue(), gcn::Key::UP);
    EXPECT_FALSE(push("K8", "None", '8').isNumericPad());
    // Shift with num lock has no modifier number of its own: SDL's state fills in.
    SDL_SetModState(static_cast<SDLMod>(KMOD_LSHIFT | KMOD_NUM));
    const gcn::KeyInput shifted = push("KKP8", "None", '8');
    EXPECT_EQ(shifted.getKey().getValue(), '8');
    EXPECT_TRUE(shifted.isShiftPressed());
}

TEST_F(LumenInputTest, MouseLeavingTheWindowMovesItAwayUnlessAButtonIsHeld) {
    input.pushActiveInput(false, false); // keyboard focus only: not the mouse's business
    EXPECT_TRUE(input.isMouseInWindow());
    input.pushActiveInput(false, true);
    EXPECT_FALSE(input.isMouseInWindow());
    input.pushActiveInput(true, true);
    EXPECT_TRUE(input.isMouseInWindow());
    std::vector<gcn::MouseInput> all = drainMouse();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].getType(), gcn::MouseInput::MOVED);
    EXPECT_EQ(all[0].getButton(), gcn::MouseInput::EMPTY);
    EXPECT_EQ(all[0].getX(), -1);
    EXPECT_EQ(all[0].getY(), -1);

    // Dragging out of the window: the press stays the only input.
    input.pushMouseButtonInput(ButtonNames::number("Left"), 5, 5, true);
    input.pushActiveInput(false, true);
    EXPECT_FALSE(input.isMouseInWindow());
    all = drainMouse();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].getType(), gcn::MouseInput::PRESSED);
}

TEST_F(LumenInputTest, SdlEventsAreChosenByTheirMediaLayerName) {
    std::vector<SDL_Event> events(10); // zeroed
    events[0].type = SDL_KEYDOWN;
    events[0].key.keysym.sym = SDLK_b;
    events[0].key.keysym.unicode = 'b';
    events[0].key.keysym.mod = static_cast<SDLMod>(KMOD_LCTRL | KMOD_NUM); // a mix the table lacks
    events[1] = events[0];
    events[1].type = SDL_KEYUP;
    events[2].type = SDL_MOUSEBUTTONDOWN;
    events[2].button.button = SDL_BUTTON_RIGHT;
    events[2].button.x = 7;
    events[3].type = SDL_MOUSEBUTTONDOWN;
    events[3].button.button = SDL_BUTTON_WHEELDOWN;
    events[4].type = SDL_MOUSEBUTTONUP;
    events[4].button.button = SDL_BUTTON_MIDDLE;
    events[5].type = SDL_MOUSEMOTION;
    events[5].motion.y = 10;
    events[6].type = SDL_ACTIVEEVENT;
    events[6].active.state = SDL_APPMOUSEFOCUS;
    // Kinds that are not input, and types the name table does not know.
    events[7].type = SDL_QUIT;
    events[8].type = SDL_NOEVENT;
    events[9].type = SDL_EVENT_RESERVEDA;
    for (const SDL_Event& e : events)
        input.pushInput(e);

    const gcn::KeyInput down = input.dequeueKeyInput();
    EXPECT_EQ(down.getKey().getValue(), 'b');
    EXPECT_EQ(down.getType(), gcn::KeyInput::PRESSED);
    EXPECT_TRUE(down.isControlPressed());
    EXPECT_EQ(input.dequeueKeyInput().getType(), gcn::KeyInput::RELEASED);
    EXPECT_TRUE(input.isKeyQueueEmpty());

    const std::vector<gcn::MouseInput> all = drainMouse();
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[0].getButton(), gcn::MouseInput::RIGHT);
    EXPECT_EQ(all[0].getType(), gcn::MouseInput::PRESSED);
    EXPECT_EQ(all[0].getX(), 7);
    EXPECT_EQ(all[1].getType(), gcn::MouseInput::WHEEL_MOVED_DOWN);
    EXPECT_EQ(all[2].getButton(), gcn::MouseInput::MIDDLE);
    EXPECT_EQ(all[2].getType(), gcn::MouseInput::RELEASED);
    EXPECT_EQ(all[3].getType(), gcn::MouseInput::MOVED);
    EXPECT_EQ(all[3].getY(), 10);
    EXPECT_EQ(all[4].getX(), -1); // the last release left no button held
}
