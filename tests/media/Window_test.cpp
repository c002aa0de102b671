#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <algorithm>
#include <string>

#include "media/Audio_Fixtures.hpp"
#include "media/DisplayModes.hpp"
#include "media/Engine.hpp"
#include "media/Font.hpp"
#include "media/FramePacer.hpp"
#include "media/Logger.hpp"
#include "media/MediaContext.hpp"
#include "media/VideoSurface.hpp"
#include "media/Window.hpp"

using namespace GLINT::SDL;

namespace {

// Counts its calls and asks to quit in the render of a chosen frame.
class CountingEngine : public Engine {
public:
    int prerenders = 0, renders = 0, postrenders = 0, inits = 0, resizes = 0;
    int quitOnFrame = -1;
    void prerender(unsigned long) override { ++prerenders; }
    void render(VideoSurface&) override {
        if (++renders == quitOnFrame)
            MediaContext::instance().requestQuit();
    }
    void postrender() override { ++postrenders; }
    bool init(int, int) override { return ++inits > 0; }
    bool resize(int, int) override { return ++resizes > 0; }
};

class Windows : public ::testing::Test {
protected:
    void SetUp() override {
        MediaContext& media = MediaContext::instance();
        ASSERT_TRUE(media.InitVideo(false, false, true, false));
        ASSERT_TRUE(media.InitText());
        window = media.getWindow();
        ASSERT_NE(window, nullptr);
    }

    Window* window = nullptr;
};

} // namespace

TEST_F(Windows, ResetDisplayFallsBackOnAZeroSideOrDepth) {
    MediaLogCapture log;
    ASSERT_TRUE(window->resetDisplay(320, 200, 16));
    EXPECT_EQ(window->getDisplay()->getWidth(), 320);
    EXPECT_EQ(window->getDisplay()->getDepth(), 16);
    // One zero side falls back to 640 x 480.
    ASSERT_TRUE(window->resetDisplay(800, 0, 16));
    EXPECT_EQ(window->getDisplay()->getWidth(), 640);
    EXPECT_EQ(window->getDisplay()->getHeight(), 480);
    ASSERT_TRUE(window->resetDisplay(400, 300, 0));
    EXPECT_GT(window->getDisplay()->getDepth(), 0);
    EXPECT_NE(log.text().find("SDL will use 640x480@16"), std::string::npos) << log.text();
}

TEST_F(Windows, QuitDuringAFrameEndsTheLoopAfterThatFramesPostrender) {
    CountingEngine engine;
    window->setEngine(&engine);
    ASSERT_TRUE(window->resetDisplay(320, 240, 32));
    EXPECT_EQ(engine.inits, 1);
    engine.quitOnFrame = 3;
    EXPECT_TRUE(window->mainLoop(500, 500));
    EXPECT_EQ(engine.renders, 3);
    EXPECT_EQ(engine.postrenders, 3);
    EXPECT_EQ(engine.prerenders, 3);
    // Once the exit flag is up, the loop returns at once.
    EXPECT_TRUE(window->mainLoop(60, 25));
    EXPECT_EQ(engine.renders, 3);
    // A zero rate runs at one frame a second instead of dividing by zero.
    window->setExit(false);
    engine.quitOnFrame = 4;
    EXPECT_TRUE(window->mainLoop(0, 0));
    EXPECT_EQ(engine.renders, 4);
    ASSERT_TRUE(window->resize(300, 200));
    EXPECT_EQ(engine.resizes, 1);
    EXPECT_EQ(window->getDisplay()->getWidth(), 300);

    // SDL's quit event reaches the default handler.
    window->setExit(false);
    SDL_Event quit;
    quit.type = SDL_QUIT;
    window->getEventDispatcher().dispatch(quit);
    EXPECT_TRUE(window->getExit());
}

// Microseconds: at 60 a second the interval is 16666.67.
TEST(FramePacers, KeepTheFractionAndRebaseOnlyAfterAStall) {
    FramePacer pacer(60, 1000);
    EXPECT_EQ(pacer.due(), 17666u);
    EXPECT_EQ(pacer.wait(10000), 7666u);
    pacer.started(17700);
    pacer.started(34400);
    EXPECT_EQ(pacer.due(), 51000u) << "three intervals are exactly 50 ms";
    // Late by less than an interval: the next frame keeps the cadence.
    pacer.started(60000);
    EXPECT_EQ(pacer.due(), 67666u);
    EXPECT_EQ(pacer.wait(70000), 0u);
    // Late by more: counted from this refresh, not raced through.
    pacer.started(90000);
    EXPECT_EQ(pacer.due(), 106666u);
    EXPECT_EQ(FramePacer(0, 0).due(), 1000000u);
}

TEST_F(Windows, LoadingScreenClampsProgressAndDrawsTheBar) {
    ASSERT_TRUE(window->resetDisplay(400, 300, 32));
    // A 200 x 100 background of a known colour written by the test itself.
    const std::string picture = ::testing::TempDir() + "varnholt_loading.bmp";
    {
        RGBSurface bg(200, 100, 24);
        bg.fill(RGBColor(0, 0, 200));
        ASSERT_EQ(SDL_SaveBMP(bg.get_SDL(), picture.c_str()), 0);
    }
    const Font font;
    window->ShowLoadingScreen(picture, "", font, "", font, Rect(10, 50, 100, 10));
    window->UpdateLoadingScreen(250, "");
    ASSERT_NE(window->getLoadingScreen(), nullptr);
    EXPECT_EQ(window->getLoadingScreen()->getProgress(), 100);

    VideoSurface& display = *window->getDisplay();
    auto at = [&](int x, int y) { return RGBColor::fromPixel(display.getpixel(x, y), display.getFormat()); };
    // The picture is centred: offset (100, 100); the full bar spans x 110..209 at y 150.
    EXPECT_EQ(at(105, 120), RGBColor(0, 0, 200));
    const RGBColor bar = at(200, 155);
    EXPECT_GT(bar.getR(), 150);
    EXPECT_LT(bar.getB(), 100);
    EXPECT_EQ(at(50, 50), RGBColor(0, 0, 0)); // outside the picture
    window->HideLoadingScreen();
    EXPECT_FALSE(window->isLoadingScreenShown());
}

TEST_F(Windows, DisplayModesAreTheUsualSizesSortedOnce) {
    const auto modes = getAvailableDisplayModes();
    ASSERT_FALSE(modes.empty());
    EXPECT_TRUE(std::is_sorted(modes.begin(), modes.end()));
    EXPECT_EQ(std::adjacent_find(modes.begin(), modes.end()), modes.end());
    EXPECT_EQ(modes.front(), std::make_pair(800, 600));
    for (const auto& mode : modes)
        EXPECT_NE(SDL_VideoModeOK(mode.first, mode.second, 32, SDL_FULLSCREEN), 0);
}
