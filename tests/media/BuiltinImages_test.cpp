#include "media/BuiltinImages.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>

namespace B = GLINT::SDL::Builtin;

namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// Every window loads the icon and every built-in font the sheet, so their tests fail on a damaged
// picture; here each glyph of the sheet is checked to sit inside its own cell.
class BuiltinFont : public ::testing::Test {
protected:
    void SetUp() override {
        SDL_RWops* rw = SDL_RWFromConstMem(B::DefaultFont, int(B::DefaultFontSize));
        font = SurfacePtr(rw ? SDL_LoadBMP_RW(rw, 1) : nullptr, &SDL_FreeSurface);
        ASSERT_NE(font, nullptr) << SDL_GetError();
        ASSERT_EQ(font->format->BitsPerPixel, 8);
    }

    bool ink(int x, int y) const {
        const Uint8 index = static_cast<const Uint8*>(font->pixels)[y * font->pitch + x];
        const SDL_Color& c = font->format->palette->colors[index];
        return c.r == 255 && c.g == 255 && c.b == 255;
    }

    // Ink pixels in the cell at (column, row), optionally only on its edge columns.
    int inkInCell(int column, int row, bool edgesOnly = false) const {
        int n = 0;
        for (int y = 0; y < B::DefaultFontGlyphHeight; ++y)
            for (int x = 0; x < B::DefaultFontGlyphWidth; ++x)
                if ((!edgesOnly || x == 0 || x == B::DefaultFontGlyphWidth - 1) &&
                    ink(column * B::DefaultFontGlyphWidth + x, row * B::DefaultFontGlyphHeight + y))
                    ++n;
        return n;
    }

    int inkOf(char ch, bool edgesOnly = false) const {
        const int i = ch - B::DefaultFontFirstChar;
        return inkInCell(i % B::DefaultFontGlyphsPerRow, i / B::DefaultFontGlyphsPerRow, edgesOnly);
    }

    SurfacePtr font{nullptr, &SDL_FreeSurface};
};

} // namespace

// White ink on black: a swapped palette shows as ink everywhere.
TEST_F(BuiltinFont, GlyphsSitInTheirCells) {
    EXPECT_EQ(inkOf(' '), 0);
    EXPECT_EQ(inkInCell(15, 5), 0) << "the cell after '~' is unused";
    for (char ch = '!'; ch <= '~'; ++ch) {
        EXPECT_GT(inkOf(ch), 0) << "no ink for '" << ch << "'";
        // A clear column on each side keeps neighbours apart in rendered text.
        EXPECT_EQ(inkOf(ch, true), 0) << "'" << ch << "' reaches its cell's side";
    }
    for (int y = 6 * B::DefaultFontGlyphHeight; y < 224; ++y)
        for (int x = 0; x < 224; ++x)
            ASSERT_FALSE(ink(x, y)) << "stray ink below the glyphs at " << x << "," << y;
}
