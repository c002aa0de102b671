#include "lumen/LumenTestSupport.hpp"

#include <algorithm>

#include "lumen/lumenfont.hpp"

using namespace lumen_test;

using LumenFontTest = SurfaceTest;

TEST_F(LumenFontTest, EmptyTextDrawsNothingAndNeverFails) {
    gcn::LumenFont font(FontFile, 14);
    graphics._beginDraw();
    graphics.setColor(gcn::Color(255, 0, 0));
    font.drawString(&graphics, "", 5, 5);
    graphics._endDraw();
    EXPECT_EQ(countColour(0, 0, 0), 40 * 30);
}

TEST_F(LumenFontTest, TextTakesTheGraphicsColourBelowHalfTheRowSpacing) {
    gcn::LumenFont font(FontFile, 12);
    font.setRowSpacing(6);
    graphics._beginDraw();
    graphics.pushClipArea(gcn::Rectangle(5, 5, 35, 25));
    graphics.setColor(gcn::Color(255, 0, 0, 128)); // the colour's alpha is not the text's
    font.drawString(&graphics, "H", 2, 1);
    graphics.popClipArea();
    graphics._endDraw();

    // The rendered box starts at (5 + 2, 5 + 1 + 6 / 2); blended red over black stays red.
    int ink = 0, left = 99, top = 99, offHue = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const GLINT::SDL::RGBAColor c = pixelAt(*target, x, y);
            if (sameColour(c, 0, 0, 0))
                continue;
            ++ink;
            left = std::min(left, x);
            top = std::min(top, y);
            offHue += c.getG() != 0 || c.getB() != 0;
        }
    EXPECT_GT(ink, 10);
    EXPECT_GT(countColour(255, 0, 0), 0);
    EXPECT_EQ(offHue, 0);
    EXPECT_GE(left, 7);
    EXPECT_LE(left, 9);
    EXPECT_GE(top, 9);
    EXPECT_EQ(font.getHeight(), GLINT::SDL::Font(FontFile, 12).height() + 6);
}
