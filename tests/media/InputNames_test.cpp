#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <set>
#include <utility>
#include <vector>

#include "media/ButtonNames.hpp"
#include "media/EventNames.hpp"
#include "media/HatNames.hpp"
#include "media/Key.hpp"
#include "media/KeyNames.hpp"
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

// SDL codes of keys 1 to 231 written out from the ranges saved configurations
// rely on, independently of how the table is built.
std::vector<int> expectedCodes() {
    std::vector<int> codes = {8, 9, 12, 13, 19, 27, 32};
    const auto range = [&codes](int first, int last) {
        for (int code = first; code <= last; ++code)
            codes.push_back(code);
    };
    const std::pair<int, int> ranges[] = {{33, 36}, {38, 64}, {91, 122}, {127, 127}, {160, 296}, {300, 302}};
    for (const auto& [first, last] : ranges)
        range(first, last);
    codes.insert(codes.end(), {303, 304, 306, 305, 307, 308, 309, 310, SDLK_RSUPER, SDLK_LSUPER});
    range(313, 322);
    return codes;
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


TEST(KeyNames, EveryNumberRoundTripsThroughItsSdlCodeAndName) {
    std::vector<int> codes = expectedCodes();
    ASSERT_EQ(codes.size(), static_cast<std::size_t>(KeyNames::Count));

    std::set<std::string> names;
    for (int number = 1; number <= KeyNames::Count; ++number) {
        SCOPED_TRACE(number);
        EXPECT_EQ(KeyNames::toSDL(number), codes[number - 1]);
        EXPECT_EQ(KeyNames::fromSDL(static_cast<SDLKey>(codes[number - 1])), number);
        const std::string& name = KeyNames::name(number);
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(KeyNames::number(name), number);
        names.insert(name);
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(KeyNames::Count));
}

TEST(KeyNames, NamesSavedConfigurationsAndTheGameRelyOn) {
    // number 0: no such name; -1: any number, its SDL key checked; SDL key 0: not checked.
    const struct {
        const char* name;
        int number;
        int sdl;
    } keys[] = {
        {"", 0, SDLK_UNKNOWN},         {"kw", 0, 0},                 {"W", 0, 0}, // names are case-sensitive
        {"KKPLUS", 182, SDLK_KP_PLUS}, {"KKPPLUS", 0, 0},            {"KPLUS", 17, SDLK_PLUS},
        {"KPRINTSCREEN", -1, SDLK_PRINT}, {"KPRINT", 0, 0},          {"KLCTRL", 214, SDLK_LCTRL},
        {"KRCTRL", 215, SDLK_RCTRL},   {"KRSHIFT", 212, 0},          {"KLSHIFT", 213, 0},
        {"KRALT", 216, 0},             {"KLALT", 217, 0},            {"KRSUPER", 220, 0},
        {"KLSUPER", 221, 0},           {"KWORLD0", 72, 0},           {"KWORLD4", 76, 0},
        {"Key_World5", 77, SDLK_WORLD_5}, {"Key_World95", 167, 0},   {"KWORLD5", 0, 0},
        {"Key_World4", 0, 0},          {"KRETURN", 4, SDLK_RETURN},  {"KESCAPE", 6, SDLK_ESCAPE},
        {"KSPACE", 7, SDLK_SPACE},     {"K0", 22, SDLK_0},           {"KA", 45, SDLK_a},
        {"KC", 47, SDLK_c},            {"KW", 67, SDLK_w},           {"KKP0", 168, SDLK_KP0},
        {"KKP1", 169, SDLK_KP1},       {"KKPPERIOD", 178, SDLK_KP_PERIOD}, {"KKPENTER", 183, SDLK_KP_ENTER},
        {"KUP", 185, SDLK_UP},         {"KDOWN", 186, SDLK_DOWN},    {"KRIGHT", 187, SDLK_RIGHT},
        {"KLEFT", 188, SDLK_LEFT},     {"KF4", 197, SDLK_F4},        {"KF11", 204, SDLK_F11},
        {"KF15", 208, SDLK_F15},       {"KSCROLLOCK", 211, SDLK_SCROLLOCK}, {"KUNDO", 231, SDLK_UNDO},
    };
    for (const auto& key : keys) {
        SCOPED_TRACE(key.name);
        const int number = KeyNames::number(key.name);
        if (key.number >= 0) {
            EXPECT_EQ(number, key.number);
        }
        if (key.sdl) {
            EXPECT_EQ(KeyNames::toSDL(number), key.sdl);
        }
    }
    for (int outside : {0, 232, -1})
        EXPECT_EQ(KeyNames::name(outside), "") << outside;
    EXPECT_EQ(KeyNames::toSDL(0), SDLK_UNKNOWN);
    EXPECT_EQ(KeyNames::fromSDL(SDLK_UNKNOWN), 0);
    EXPECT_EQ(KeyNames::fromSDL(static_cast<SDLKey>(37)), 0); // SDL has no key for '%'
}
