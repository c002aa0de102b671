#pragma once

#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <guichan/color.hpp>

#include "lumen/lumengraphics.hpp"
#include "media/RGBAColor.hpp"
#include "media/RGBSurface.hpp"

namespace lumen_test {

const char* const FontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// SDL video (dummy driver when run outside ctest) and SDL_ttf for every test.
class SDLTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_EQ(TTF_Init(), 0);
    }
    void TearDown() override {
        TTF_Quit();
        SDL_Quit();
    }
};

inline GLINT::SDL::RGBAColor pixelAt(GLINT::SDL::BaseSurface& s, int x, int y) {
    return GLINT::SDL::RGBAColor::fromPixel(s.getpixel(x, y), s.getFormat());
}

inline void paint(GLINT::SDL::BaseSurface& s, const GLINT::SDL::RGBAColor& c) {
    s.fill(c, GLINT::SDL::Rect(0, 0, static_cast<Uint16>(s.getWidth()), static_cast<Uint16>(s.getHeight())));
}

inline ::testing::AssertionResult sameColour(const GLINT::SDL::RGBAColor& actual, int r, int g, int b) {
    if (actual.getR() == r && actual.getG() == g && actual.getB() == b)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << int(actual.getR()) << ", " << int(actual.getG()) << ", "
                                         << int(actual.getB()) << "), want (" << r << ", " << g << ", " << b << ")";
}

// A black 40 x 30 target with a LumenGraphics drawing on it.
class SurfaceTest : public SDLTest {
protected:
    void SetUp() override {
        SDLTest::SetUp();
        target.reset(new GLINT::SDL::RGBSurface(40, 30, 32));
        paint(*target, GLINT::SDL::RGBAColor(0, 0, 0, 255));
        graphics.setTarget(target.get());
    }
    void TearDown() override {
        target.reset();
        SDLTest::TearDown();
    }

    std::vector<Uint32> snapshot() {
        std::vector<Uint32> pixels;
        for (int y = 0; y < target->getHeight(); ++y)
            for (int x = 0; x < target->getWidth(); ++x)
                pixels.push_back(target->getpixel(x, y));
        return pixels;
    }

    int countColour(int r, int g, int b) {
        int n = 0;
        for (int y = 0; y < target->getHeight(); ++y)
            for (int x = 0; x < target->getWidth(); ++x)
                n += sameColour(pixelAt(*target, x, y), r, g, b) ? 1 : 0;
        return n;
    }

    std::unique_ptr<GLINT::SDL::RGBSurface> target;
    gcn::LumenGraphics graphics;
};

} // namespace lumen_test
