#include "lumen/LumenTestSupport.hpp"

#include <vector>

#include <guichan/image.hpp>

#include "lumen/lumengraphics.hpp"
#include "lumen/lumenimage.hpp"

using namespace lumen_test;
using GLINT::SDL::Point;
using GLINT::SDL::Rect;
using GLINT::SDL::RGBAColor;
using GLINT::SDL::RGBSurface;

namespace {

class LumenGraphicsTest : public SurfaceTest {
protected:
    // Pixels outside area that differ from before.
    int changedOutside(const std::vector<Uint32>& before, const gcn::Rectangle& area) {
        int changed = 0;
        for (int y = 0; y < target->getHeight(); ++y)
            for (int x = 0; x < target->getWidth(); ++x)
                changed += !area.isPointInRect(x, y) &&
                           target->getpixel(x, y) != before[y * target->getWidth() + x];
        return changed;
    }
};

} // namespace

TEST_F(LumenGraphicsTest, OpaqueFillIsExactWhileAlpha254BlendsEveryPixel) {
    graphics._beginDraw();
    graphics.setColor(gcn::Color(200, 100, 50, 255));
    graphics.fillRectangle(gcn::Rectangle(0, 0, 10, 10));
    // Guichan's blend over black gives c × 254 / 256, even for the first pixel.
    graphics.setColor(gcn::Color(200, 100, 50, 254));
    graphics.fillRectangle(gcn::Rectangle(20, 0, 10, 10));
    graphics._endDraw();
    EXPECT_EQ(countColour(200, 100, 50), 100);
    EXPECT_EQ(countColour(198, 99, 49), 100);
    EXPECT_EQ(pixelAt(*target, 29, 9).getA(), 255); // the target keeps its own alpha
}

TEST_F(LumenGraphicsTest, NothingIsDrawnOutsideTheClipArea) {
    const gcn::Rectangle area(10, 10, 15, 8);
    RGBSurface picture(4, 4, 32);
    paint(picture, RGBAColor(255, 0, 0, 255));
    gcn::LumenImage image(&picture, false);
    graphics._beginDraw();
    graphics.pushClipArea(area);

    for (int alpha : {255, 128}) {
        paint(*target, RGBAColor(0, 0, 0, 255));
        const std::vector<Uint32> before = snapshot();
        graphics.setColor(gcn::Color(255, 255, 255, alpha));
        graphics.fillRectangle(gcn::Rectangle(-50, -50, 200, 200));
        graphics.drawLine(-20, 3, 50, 3);
        graphics.drawLine(6, 50, 6, -20);
        graphics.drawLine(-10, -12, 40, 38);
        graphics.drawRectangle(gcn::Rectangle(-3, -3, 30, 20));
        graphics.drawPoint(15, 0);
        graphics.drawImage(&image, -2, -2);
        EXPECT_EQ(changedOutside(before, area), 0) << "alpha " << alpha;
        // Coordinates are relative to the area: its corners are (0, 0) and (14, 7).
        EXPECT_FALSE(sameColour(pixelAt(*target, 24, 17), 0, 0, 0));
        EXPECT_LT(pixelAt(*target, 11, 11).getG(), 8); // the image, blitted over the fill
    }

    // Shapes wholly outside the area leave the whole target alone.
    const std::vector<Uint32> before = snapshot();
    graphics.fillRectangle(gcn::Rectangle(15, 0, 5, 5));
    graphics.setColor(gcn::Color(0, 255, 0, 255));
    graphics.fillRectangle(gcn::Rectangle(-6, -6, 5, 5));
    graphics.drawRectangle(gcn::Rectangle(0, 8, 10, 4));
    graphics.drawImage(&image, 16, 0);
    EXPECT_EQ(changedOutside(before, gcn::Rectangle()), 0);
    graphics.popClipArea();
    graphics._endDraw();
}

TEST_F(LumenGraphicsTest, OutlinesEndOnTheirLastPixelAndImagesFollowTheOffset) {
    graphics._beginDraw();
    graphics.setColor(gcn::Color(255, 255, 255, 255));
    graphics.drawRectangle(gcn::Rectangle(2, 3, 5, 4));
    EXPECT_EQ(countColour(255, 255, 255), 2 * 5 + 2 * 2);
    EXPECT_TRUE(sameColour(pixelAt(*target, 6, 6), 255, 255, 255));
    EXPECT_TRUE(sameColour(pixelAt(*target, 7, 6), 0, 0, 0));

    RGBSurface picture(4, 4, 32);
    paint(picture, RGBAColor(255, 0, 0, 255));
    picture.fill(RGBAColor(0, 0, 255, 255), Rect(2, 2, 2, 2));
    gcn::LumenImage image(&picture, false);
    graphics.pushClipArea(gcn::Rectangle(10, 10, 20, 15));
    graphics.drawImage(&image, 2, 2, 10, 0, 2, 2); // the blue quarter only
    EXPECT_EQ(countColour(0, 0, 255), 4);
    EXPECT_TRUE(sameColour(pixelAt(*target, 21, 11), 0, 0, 255));
    EXPECT_EQ(target->getClipRect(), Rect(10, 10, 20, 15));
    graphics.popClipArea();
    EXPECT_EQ(target->getClipRect(), Rect(0, 0, 40, 30));
    graphics._endDraw();
}
