#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <utility>
#include <vector>

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

} // namespace

// Key records made from SDL's events: the game's number for the symbol and for the modifier state.
TEST(KeyRecord, ConvertsSymbolAndWholeModifierState) {
    Key ctrlA(keysym(SDLK_a, KMOD_LCTRL | KMOD_RCTRL, 'a'));
    EXPECT_EQ(ctrlA.getKey(), 45);
    EXPECT_EQ(ctrlA.getMod(), ModifierNames::Ctrl);
    EXPECT_EQ(ctrlA.getUnicode(), 'a');
    EXPECT_EQ(Key(keysym(SDLK_RSHIFT, KMOD_RSHIFT)).getMod(), 2);
    // Shift with num lock is no entry of the table: no modifier at all, SDL's state answers instead.
    Key shiftNum(keysym(SDLK_w, KMOD_LSHIFT | KMOD_NUM));
    EXPECT_EQ(shiftNum.getKey(), 67);
    EXPECT_EQ(shiftNum.getMod(), 0);
}

TEST(KeyNames, EveryNumberRoundTripsThroughItsSdlCodeAndName) {
    std::vector<int> codes = expectedCodes();
    ASSERT_EQ(codes.size(), static_cast<std::size_t>(KeyNames::Count));

    for (int number = 1; number <= KeyNames::Count; ++number) {
        SCOPED_TRACE(number);
        EXPECT_EQ(KeyNames::toSDL(number), codes[number - 1]);
        EXPECT_EQ(KeyNames::fromSDL(static_cast<SDLKey>(codes[number - 1])), number);
        EXPECT_EQ(KeyNames::number(KeyNames::name(number)), number);
    }
}

// The names saved configurations hold, the odd ones above all; SDLK_UNKNOWN: no such name.
TEST(KeyNames, NamesSavedConfigurationsRelyOn) {
    const std::pair<const char*, SDLKey> keys[] = {
        {"", SDLK_UNKNOWN},           {"kw", SDLK_UNKNOWN},        {"W", SDLK_UNKNOWN}, // case-sensitive, K first
        {"KKPLUS", SDLK_KP_PLUS},     {"KKPPLUS", SDLK_UNKNOWN},   {"KPLUS", SDLK_PLUS},
        {"KPRINTSCREEN", SDLK_PRINT}, {"KPRINT", SDLK_UNKNOWN},    {"KLCTRL", SDLK_LCTRL},
        {"KRSHIFT", SDLK_RSHIFT},     {"KLALT", SDLK_LALT},        {"KRSUPER", SDLK_RSUPER},
        {"KWORLD4", SDLK_WORLD_4},    {"Key_World5", SDLK_WORLD_5}, {"KWORLD5", SDLK_UNKNOWN},
        {"Key_World4", SDLK_UNKNOWN}, {"Key_World95", SDLK_WORLD_95}, {"KKP0", SDLK_KP0},
        {"KKPENTER", SDLK_KP_ENTER},  {"KSCROLLOCK", SDLK_SCROLLOCK}, {"KF15", SDLK_F15},
        {"KUNDO", SDLK_UNDO},
    };
    for (const auto& [name, sdl] : keys) {
        const int number = KeyNames::number(name);
        EXPECT_EQ(number == 0, sdl == SDLK_UNKNOWN) << name;
        EXPECT_EQ(KeyNames::toSDL(number), sdl) << name;
    }
    for (int outside : {0, 232, -1})
        EXPECT_EQ(KeyNames::name(outside), "") << outside;
    EXPECT_EQ(KeyNames::toSDL(0), SDLK_UNKNOWN);
    EXPECT_EQ(KeyNames::fromSDL(SDLK_UNKNOWN), 0);
    EXPECT_EQ(KeyNames::fromSDL(static_cast<SDLKey>(37)), 0); // SDL has no key for '%'
}
