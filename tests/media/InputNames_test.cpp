#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include "media/ButtonNames.hpp"
#include "media/EventNames.hpp"
#include "media/HatNames.hpp"
#include "media/Key.hpp"
#include "media/ModifierNames.hpp"

using namespace GLINT::SDL;

namespace {

SDL_keysym keysym(SDLKey sym, int mod, Uint16 unicode = 0) {
    SDL_keysym k{};
    k.sym = sym;
    k.mod = static_cast<SDLMod>(mod);
    k.unicode = unicode;
    return k;
}

// SDL keeps the modifier state in a global; leave it as found.
class ModifierState : public ::testing::Test {
protected:
    void TearDown() override { SDL_SetModState(KMOD_NONE); }
};

} // namespace

// The names are what the configuration files hold.
TEST(ModifierNames, TableRoundTrips) {
    const char* names[] = {"None",  "LShift", "RShift", "LCtrl", "RCtrl", "LAlt",  "RAlt", "LMeta",
                           "RMeta", "Num",    "Caps",   "Mode",  "Ctrl",  "Shift", "Alt",  "Meta"};
    for (int number = 0; number < 16; ++number) {
        SCOPED_TRACE(number);
        EXPECT_EQ(ModifierNames::name(number), names[number]);
        EXPECT_EQ(ModifierNames::number(names[number]), number);
        EXPECT_EQ(ModifierNames::fromSDL(ModifierNames::toSDL(number)), number);
    }
    EXPECT_EQ(ModifierNames::toSDL(ModifierNames::Alt), KMOD_LALT | KMOD_RALT);
    EXPECT_EQ(ModifierNames::toSDL(10), KMOD_CAPS);
    EXPECT_EQ(ModifierNames::number("shift"), 0);
    EXPECT_EQ(ModifierNames::name(16), "");
}

TEST_F(ModifierState, KeyRecordConvertsSymbolAndWholeModifierStateAndEitherAltIsAlt) {
    Key ctrlA(keysym(SDLK_a, KMOD_LCTRL | KMOD_RCTRL, 'a'));
    EXPECT_EQ(ctrlA.getKey(), 45);
    EXPECT_EQ(ctrlA.getMod(), ModifierNames::Ctrl);
    EXPECT_EQ(ctrlA.getUnicode(), 'a');
    EXPECT_EQ(Key(keysym(SDLK_LCTRL, KMOD_LCTRL)).getKey(), 214);
    EXPECT_EQ(Key(keysym(SDLK_RSHIFT, KMOD_RSHIFT)).getMod(), 2);

    // Shift with num lock on is no entry of the table: no modifier at all,
    // although SDL still reports the shift as held.
    Key shiftNum(keysym(SDLK_w, KMOD_LSHIFT | KMOD_NUM));
    EXPECT_EQ(shiftNum.getKey(), 67);
    EXPECT_EQ(shiftNum.getMod(), 0);
    SDL_SetModState(static_cast<SDLMod>(KMOD_LSHIFT | KMOD_NUM));
    for (int held : {int(ModifierNames::Shift), 1, 9})
        EXPECT_TRUE(ModifierNames::isModPressed(held)) << held;
    for (int free : {2, int(ModifierNames::Ctrl), int(ModifierNames::None)})
        EXPECT_FALSE(ModifierNames::isModPressed(free)) << free;

    for (int alt : {KMOD_RALT, KMOD_LALT, KMOD_LMETA}) {
        SDL_SetModState(static_cast<SDLMod>(alt));
        EXPECT_EQ(ModifierNames::isModPressed(ModifierNames::Alt), alt != KMOD_LMETA) << alt;
    }

    Key plain(7, 0, 32);
    EXPECT_EQ(plain.getKey(), 7);
    EXPECT_EQ(plain.getMod(), 0);
    EXPECT_EQ(plain.getUnicode(), 32);
}

TEST(ButtonHatAndEventNames, NumbersFollowSdlsValues) {
    const char* buttons[] = {"Left", "Middle", "Right", "WheelUp", "WheelDown"};
    for (int number = 1; number <= 5; ++number) {
        EXPECT_EQ(ButtonNames::name(number), buttons[number - 1]);
        EXPECT_EQ(ButtonNames::number(buttons[number - 1]), number);
        EXPECT_EQ(ButtonNames::toSDL(number), number);
        EXPECT_EQ(ButtonNames::fromSDL(static_cast<Uint8>(number)), number);
    }
    EXPECT_EQ(ButtonNames::toSDL(ButtonNames::number("WheelDown")), SDL_BUTTON_WHEELDOWN);
    EXPECT_EQ(ButtonNames::number("KW"), 0);
    EXPECT_EQ(ButtonNames::name(0), "");

    // Hat diagonals are combined bits.
    EXPECT_EQ(HatNames::toSDL(0), SDL_HAT_CENTERED);
    EXPECT_EQ(HatNames::toSDL(3), SDL_HAT_DOWN);
    EXPECT_EQ(HatNames::toSDL(4), SDL_HAT_LEFT);
    EXPECT_EQ(HatNames::fromSDL(SDL_HAT_RIGHTUP), 5);
    EXPECT_EQ(HatNames::fromSDL(SDL_HAT_RIGHTDOWN), 6);
    EXPECT_EQ(HatNames::fromSDL(SDL_HAT_LEFTUP), 7);
    EXPECT_EQ(HatNames::name(8), "LeftDown");
    EXPECT_EQ(HatNames::toSDL(HatNames::number("LeftDown")), 12);

    // Event numbers skip SDL's reserved types.
    const std::pair<Uint8, int> events[] = {{SDL_ACTIVEEVENT, 0}, {SDL_KEYUP, 2},     {SDL_JOYBUTTONUP, 10},
                                            {SDL_USEREVENT, 11},  {SDL_QUIT, 12},      {SDL_VIDEORESIZE, 14},
                                            {SDL_VIDEOEXPOSE, 15}};
    for (const auto& [sdl, number] : events)
        EXPECT_EQ(EventNames::fromSDL(sdl), number) << int(sdl);
    EXPECT_EQ(EventNames::toSDL(EventNames::number("SysWM")), SDL_SYSWMEVENT);
    EXPECT_EQ(EventNames::name(3), "MouseMotion");
    EXPECT_EQ(EventNames::name(16), "");
}
