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

TEST(KeyNames, NoKeyAndUnknownValues) {
    EXPECT_EQ(KeyNames::name(0), "");
    EXPECT_EQ(KeyNames::number(""), 0);
    EXPECT_EQ(KeyNames::name(232), "");
    EXPECT_EQ(KeyNames::name(-1), "");
    EXPECT_EQ(KeyNames::toSDL(0), SDLK_UNKNOWN);
    EXPECT_EQ(KeyNames::fromSDL(SDLK_UNKNOWN), 0);
    EXPECT_EQ(KeyNames::fromSDL(static_cast<SDLKey>(37)), 0); // SDL has no key for '%'
    EXPECT_EQ(KeyNames::number("kw"), 0);                     // names are case-sensitive
    EXPECT_EQ(KeyNames::number("W"), 0);
}

TEST(KeyNames, NamesThatBreakThePattern) {
    EXPECT_EQ(KeyNames::name(182), "KKPLUS");
    EXPECT_EQ(KeyNames::toSDL(182), SDLK_KP_PLUS);
    EXPECT_EQ(KeyNames::number("KKPPLUS"), 0);
    EXPECT_EQ(KeyNames::number("KPLUS"), 17); // the main keyboard's plus

    EXPECT_EQ(KeyNames::toSDL(KeyNames::number("KPRINTSCREEN")), SDLK_PRINT);
    EXPECT_EQ(KeyNames::number("KPRINT"), 0);

    EXPECT_EQ(KeyNames::number("KLCTRL"), 214);
    EXPECT_EQ(KeyNames::number("KRCTRL"), 215);
    EXPECT_EQ(KeyNames::toSDL(214), SDLK_LCTRL);
    EXPECT_EQ(KeyNames::toSDL(215), SDLK_RCTRL);
    EXPECT_EQ(KeyNames::name(212), "KRSHIFT");
    EXPECT_EQ(KeyNames::name(213), "KLSHIFT");
    EXPECT_EQ(KeyNames::name(216), "KRALT");
    EXPECT_EQ(KeyNames::name(217), "KLALT");
    EXPECT_EQ(KeyNames::name(220), "KRSUPER");
    EXPECT_EQ(KeyNames::name(221), "KLSUPER");

    EXPECT_EQ(KeyNames::name(72), "KWORLD0");
    EXPECT_EQ(KeyNames::name(76), "KWORLD4");
    EXPECT_EQ(KeyNames::name(77), "Key_World5");
    EXPECT_EQ(KeyNames::name(167), "Key_World95");
    EXPECT_EQ(KeyNames::toSDL(77), SDLK_WORLD_5);
    EXPECT_EQ(KeyNames::number("KWORLD5"), 0);
    EXPECT_EQ(KeyNames::number("Key_World4"), 0);
}

TEST(KeyNames, NumbersAndNamesTheGameUses) {
    const struct {
        int number;
        SDLKey sdl;
        const char* name;
    } keys[] = {
        {4, SDLK_RETURN, "KRETURN"},
        {6, SDLK_ESCAPE, "KESCAPE"},
        {7, SDLK_SPACE, "KSPACE"},
        {22, SDLK_0, "K0"},
        {45, SDLK_a, "KA"},
        {47, SDLK_c, "KC"},
        {67, SDLK_w, "KW"},
        {168, SDLK_KP0, "KKP0"},
        {169, SDLK_KP1, "KKP1"},
        {178, SDLK_KP_PERIOD, "KKPPERIOD"},
        {183, SDLK_KP_ENTER, "KKPENTER"},
        {185, SDLK_UP, "KUP"},
        {186, SDLK_DOWN, "KDOWN"},
        {187, SDLK_RIGHT, "KRIGHT"},
        {188, SDLK_LEFT, "KLEFT"},
        {197, SDLK_F4, "KF4"},
        {204, SDLK_F11, "KF11"},
        {208, SDLK_F15, "KF15"},
        {211, SDLK_SCROLLOCK, "KSCROLLOCK"},
        {231, SDLK_UNDO, "KUNDO"},
    };
    for (const auto& key : keys) {
        SCOPED_TRACE(key.name);
        EXPECT_EQ(KeyNames::number(key.name), key.number);
        EXPECT_EQ(KeyNames::toSDL(key.number), key.sdl);
    }
}
