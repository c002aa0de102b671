#include "media/BuiltinImages.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace B = GLINT::SDL::Builtin;

namespace {

struct Picture {
    const char* name;
    const unsigned char* bytes;
    std::size_t size;
    int width, height, fileDepth, loadedDepth;
};

// SDL widens 1-bit BMPs to 8-bit palettised surfaces.
const Picture Pictures[] = {
    {"icon", B::DefaultIcon, B::DefaultIconSize, 32, 32, 24, 24},
    {"logo", B::DefaultLogo, B::DefaultLogoSize, 128, 64, 24, 24},
    {"font", B::DefaultFont, B::DefaultFontSize, 224, 224, 1, 8},
};

std::uint32_t le(const unsigned char* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

SurfacePtr load(const Picture& p) {
    SDL_RWops* rw = SDL_RWFromConstMem(p.bytes, int(p.size));
    return SurfacePtr(rw ? SDL_LoadBMP_RW(rw, 1) : nullptr, &SDL_FreeSurface);
}

class BuiltinFont : public ::testing::Test {
protected:
    void SetUp() override {
        font = load(Pictures[2]);
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

TEST(BuiltinImages, HeadersDescribeUncompressedBitmaps) {
    for (const Picture& p : Pictures) {
        SCOPED_TRACE(p.name);
        const unsigned char* h = p.bytes;
        EXPECT_EQ(h[0], 'B');
        EXPECT_EQ(h[1], 'M');
        EXPECT_EQ(le(h + 2, 4), p.size);                      // file size field
        EXPECT_EQ(le(h + 14, 4), 40u);                        // BITMAPINFOHEADER
        EXPECT_EQ(int(le(h + 18, 4)), p.width);
        EXPECT_EQ(int(le(h + 22, 4)), p.height);              // positive: bottom-up
        EXPECT_EQ(int(le(h + 28, 2)), p.fileDepth);
        EXPECT_EQ(le(h + 30, 4), 0u);                         // BI_RGB
        const std::uint32_t rowBytes = (std::uint32_t(p.width * p.fileDepth) + 31) / 32 * 4;
        EXPECT_EQ(le(h + 10, 4) + rowBytes * std::uint32_t(p.height), p.size); // pixels end the file
    }
}

TEST(BuiltinImages, SdlLoadsEachFromMemory) {
    for (const Picture& p : Pictures) {
        SCOPED_TRACE(p.name);
        SurfacePtr s = load(p);
        ASSERT_NE(s, nullptr) << SDL_GetError();
        EXPECT_EQ(s->w, p.width);
        EXPECT_EQ(s->h, p.height);
        EXPECT_EQ(s->format->BitsPerPixel, p.loadedDepth);
    }
}

TEST_F(BuiltinFont, PaletteIsBlackBackgroundAndWhiteInk) {
    ASSERT_GE(font->format->palette->ncolors, 2);
    const SDL_Color* c = font->format->palette->colors;
    EXPECT_EQ(c[0].r + c[0].g + c[0].b, 0);
    EXPECT_EQ(c[1].r + c[1].g + c[1].b, 3 * 255);
}

TEST_F(BuiltinFont, GlyphsSitInTheirCells) {
    EXPECT_GT(inkOf('!'), 0);
    EXPECT_GT(inkOf('A'), 0);
    EXPECT_GT(inkOf('~'), 0);
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
