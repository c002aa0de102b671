#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <memory>
#include <stdexcept>
#include <utility>

#include "media/Font.hpp"
#include "media/FontImpl.hpp"

using namespace GLINT::SDL;

namespace {

class Fonts : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_EQ(TTF_Init(), 0);
    }
    void TearDown() override {
        TTF_Quit();
        SDL_Quit();
    }

    static int inkInColumns(RGBSurface& s, int from, int to) {
        int ink = 0;
        for (int y = 0; y < s.getHeight(); ++y)
            for (int x = from; x < to; ++x)
                ink += RGBAColor::fromPixel(s.getpixel(x, y), s.getFormat()).getA() != 0;
        return ink;
    }
};

} // namespace

TEST_F(Fonts, BuiltInGlyphCellsFollowTheSheetLayout) {
    // 16 glyphs a row from ' ': '0' is index 16, 'A' 33, '~' the last, 15th of row six.
    const std::pair<char, Rect> cells[] = {
        {' ', Rect(0, 0, 14, 16)}, {'0', Rect(0, 16, 14, 16)}, {'A', Rect(14, 32, 14, 16)}, {'~', Rect(196, 80, 14, 16)}};
    Rect cell;
    for (const auto& [ch, expected] : cells) {
        ASSERT_TRUE(FontImpl::glyphCell(ch, cell)) << ch;
        EXPECT_EQ(cell, expected) << ch;
    }
    for (char outside : {'\x1f', '\x7f', '\xe9'})
        EXPECT_FALSE(FontImpl::glyphCell(outside, cell)) << int(outside);
}

TEST_F(Fonts, BuiltInFontDrawsEachCharacterInItsOwnColumn) {
    Font builtin;
    EXPECT_EQ(builtin.getTextSize("abc"), Rect(42, 16));
    auto text = builtin.render("A A\x01~", RGBColor(255, 255, 0), FontBlended);
    ASSERT_EQ(text->getWidth(), 5 * 14);
    ASSERT_EQ(text->getHeight(), 16);
    EXPECT_GT(inkInColumns(*text, 0, 14), 0);       // A
    EXPECT_EQ(inkInColumns(*text, 14, 28), 0);      // space
    EXPECT_GT(inkInColumns(*text, 28, 42), 0);      // A
    EXPECT_EQ(inkInColumns(*text, 42, 56), 0);      // no glyph below 32
    EXPECT_GT(inkInColumns(*text, 56, 70), 0);      // ~
    EXPECT_EQ(builtin.render("", RGBColor())->getHeight(), 16);
}

TEST_F(Fonts, TrueTypeFontsRenderAndACopyKeepsTheStyle) {
    Font font("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 16);
    font.setStyle(FontBold);
    Font copy(font);
    EXPECT_EQ(copy.getStyle(), FontBold);
    EXPECT_GT(font.render("Hi", RGBColor(255, 255, 255), FontBlended)->getWidth(), 5);
    EXPECT_EQ(font.render("", RGBColor(255, 255, 255), FontSolid)->getWidth(), 1);
}

TEST_F(Fonts, MissingTrueTypeFileNamesTheFileAndAFontOutlivingTheLibraryIsDestroyedSafely) {
    std::string text;
    try {
        Font font("Data/Fonts/Missing.ttf", 16);
    } catch (const std::logic_error& e) {
        text = e.what();
    }
    EXPECT_EQ(text.rfind("Font Support not available", 0), 0u) << text;
    EXPECT_NE(text.find("Data/Fonts/Missing.ttf"), std::string::npos) << text;

    auto font = std::make_unique<Font>("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 12);
    TTF_Quit();
    font.reset();
    ASSERT_EQ(TTF_Init(), 0);
}
