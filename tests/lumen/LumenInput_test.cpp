#include "lumen/LumenTestSupport.hpp"

#include <guichan/key.hpp>

#include "lumen/lumeninput.hpp"
#include "media/KeyNames.hpp"
#include "media/ModifierNames.hpp"

using namespace lumen_test;
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

    gcn::LumenInput input;
};

} // namespace

TEST_F(LumenInputTest, KeysCarryTheirCharacterOrGuichanValueAndModifiers) {
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
