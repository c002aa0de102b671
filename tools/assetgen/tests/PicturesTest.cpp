#include "CharacterSheets.hpp"
#include "InterfacePainter.hpp"
#include "PngWriter.hpp"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <filesystem>

namespace {
// Reads a PNG back through libpng as RGBA.
Image readPng(const std::string& path) {
    png_image img{};
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&img, path.c_str()))
        return Image();
    img.format = PNG_FORMAT_RGBA;
    std::vector<png_byte> buf(PNG_IMAGE_SIZE(img));
    if (!png_image_finish_read(&img, nullptr, buf.data(), 0, nullptr))
        return Image();
    Image out(static_cast<int>(img.width), static_cast<int>(img.height));
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const png_byte* p = &buf[(static_cast<std::size_t>(y) * out.width() + x) * 4];
            out.set(x, y, Rgba(p[0], p[1], p[2], p[3]));
        }
    return out;
}

bool edgeClear(const Image& sheet, int fx, int fy, int size) {
    for (int i = 0; i < size; ++i)
        if (sheet.opaque(fx + i, fy) || sheet.opaque(fx + i, fy + size - 1) || sheet.opaque(fx, fy + i) ||
            sheet.opaque(fx + size - 1, fy + i))
            return false;
    return true;
}
} // namespace

TEST(PngWriter, WritesWhatItIsGivenWithTheKeyColourUnderTransparency) {
    Image img(5, 3);
    img.set(1, 1, Palette::Leaf);
    img.set(4, 2, Palette::Blood.withAlpha(254));
    std::string path = (std::filesystem::temp_directory_path() / "assetgen_png_test.png").string();
    PngWriter::write(path, img);
    Image back = readPng(path);
    std::remove(path.c_str());
    ASSERT_EQ(back.width(), 5);
    ASSERT_EQ(back.height(), 3);
    EXPECT_EQ(back.get(1, 1), Palette::Leaf);
    EXPECT_EQ(back.get(4, 2), Palette::Blood.withAlpha(254));
    EXPECT_EQ(back.get(0, 0), Palette::Key);
}

// Nothing a character does may be cut off by the edge of its frame.
TEST(CharacterSheets, EveryFrameFitsInsideItsCell) {
    using Cast = CharacterSheets::Cast;
    for (Cast cast : {Cast::Hero, Cast::HeroSword, Cast::HeroBow, Cast::Merchant, Cast::Guard, Cast::Skeleton, Cast::Worm})
        for (CharacterSheets::Action a : CharacterSheets::actions()) {
            Image sheet = CharacterSheets::sheet(cast, a);
            CharacterSheets::Timing t = CharacterSheets::timing(cast, a);
            ASSERT_GE(sheet.width(), t.frames * CharacterSheets::Frame);
            for (int row = 0; row < 8; ++row)
                for (int f = 0; f < t.frames; ++f)
                    ASSERT_TRUE(edgeClear(sheet, f * 64, row * 64, 64))
                        << CharacterSheets::actionName(a) << " row " << row << " frame " << f;
        }
}

// The eight rows really face eight ways: no two rows of a walk are the same picture.
TEST(CharacterSheets, DirectionsDiffer) {
    Image walk = CharacterSheets::sheet(CharacterSheets::Cast::Guard, CharacterSheets::Action::Walk);
    for (int a = 0; a < 8; ++a)
        for (int b = a + 1; b < 8; ++b) {
            bool same = true;
            for (int y = 0; y < 64 && same; ++y)
                for (int x = 0; x < 64 && same; ++x)
                    same = walk.get(x, a * 64 + y) == walk.get(x, b * 64 + y);
            EXPECT_FALSE(same) << "rows " << a << " and " << b;
        }
}

TEST(InterfacePainter, WindowBackgroundsHaveNoPureWhite) {
    // White is the colour key of both window backgrounds: it would punch holes.
    Image hero = CharacterSheets::sheet(CharacterSheets::Cast::Hero, CharacterSheets::Action::Stop).crop(0, 128, 64, 64);
    for (const Image& img : {InterfacePainter::inventoryBackground(), InterfacePainter::characteristicsBackground(hero)}) {
        Image snapped = img;
        snapped.snapToPalette();
        for (const Rgba& c : snapped.pixels())
            ASSERT_FALSE(c.r == 255 && c.g == 255 && c.b == 255);
    }
}
