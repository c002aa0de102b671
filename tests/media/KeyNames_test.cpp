#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "media/KeyNames.hpp"

using GLINT::SDL::KeyNames;

namespace {

// SDL codes of keys 1 to 231 written out from the ranges saved configurations
// rely on, independently of how the table is built.
std::vector<int> expectedCodes() {
    std::vector<int> codes = {8, 9, 12, 13, 19, 27, 32};
    auto range = [&codes](int first, int last) {
        for (int code = first; code <= last; ++code)
            codes.push_back(code);
    };
    range(33, 36);
    range(38, 47);
    range(48, 57);
    range(58, 64);
    range(91, 96);
    range(97, 122);
    codes.push_back(127);
    range(160, 255);
    range(256, 272);
    range(273, 281);
    range(282, 296);
    range(300, 302);
    for (int code : {303, 304, 306, 305, 307, 308, 309, 310})
        codes.push_back(code);
    codes.push_back(SDLK_RSUPER);
    codes.push_back(SDLK_LSUPER);
    range(313, 314);
    range(315, 322);
    return codes;
}

} // namespace

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
        if (key.number >= 0)
            EXPECT_EQ(number, key.number);
        if (key.sdl)
            EXPECT_EQ(KeyNames::toSDL(number), key.sdl);
    }
    for (int outside : {0, 232, -1})
        EXPECT_EQ(KeyNames::name(outside), "") << outside;
    EXPECT_EQ(KeyNames::toSDL(0), SDLK_UNKNOWN);
    EXPECT_EQ(KeyNames::fromSDL(SDLK_UNKNOWN), 0);
    EXPECT_EQ(KeyNames::fromSDL(static_cast<SDLKey>(37)), 0); // SDL has no key for '%'
}
