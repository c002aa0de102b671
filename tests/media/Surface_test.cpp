#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "media/RGBAColor.hpp"
#include "media/RGBSurface.hpp"

using namespace GLINT::SDL;

namespace {

class Surfaces : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError(); }
    void TearDown() override { SDL_Quit(); }

    static RGBColor colourAt(RGBSurface& s, int x, int y) {
        return RGBColor::fromPixel(s.getpixel(x, y), s.getFormat());
    }

    // A 4 x 1 picture: magenta key, red, green, blue.
    static RGBSurface keyedStrip() {
        RGBSurface s(4, 1, 24);
        const RGBColor colours[] = {RGBColor(255, 0, 255), RGBColor(255, 0, 0), RGBColor(0, 255, 0),
                                    RGBColor(0, 0, 255)};
        for (int x = 0; x < 4; ++x)
            s.putpixel(x, 0, colours[x].map(s.getFormat()));
        return s;
    }

    // Blits strip onto a white 24-bit target and returns the target.
    static RGBSurface onWhite(const RGBSurface& strip) {
        RGBSurface target(4, 1, 24);
        target.fill(RGBColor(255, 255, 255));
        target.blit(strip, Point(0, 0));
        return target;
    }
};

} // namespace

TEST_F(Surfaces, ColourKeyHidesTheKeyColourAndATranslucentOneFadesTheRest) {
    for (Uint8 alpha : {Uint8(255), Uint8(130)}) {
        RGBSurface strip = keyedStrip();
        ASSERT_TRUE(strip.setColorKey(RGBAColor(255, 0, 255, alpha)));
        RGBSurface out = onWhite(strip);
        EXPECT_EQ(colourAt(out, 0, 0), RGBColor(255, 255, 255));
        const RGBColor red = colourAt(out, 1, 0), blue = colourAt(out, 3, 0);
        if (alpha == 255) {
            EXPECT_EQ(red, RGBColor(255, 0, 0));
            EXPECT_EQ(blue, RGBColor(0, 0, 255));
        } else {
            // Red at alpha 130 over white: the green and blue channels come half-way up from 0.
            EXPECT_EQ(red.getR(), 255);
            EXPECT_NEAR(red.getG(), 125, 3);
            EXPECT_NEAR(red.getB(), 125, 3);
        }
    }
}

TEST_F(Surfaces, CopiesAreDeepAndMissingFilesThrowNamingTheFile) {
    RGBSurface a(3, 3, 32);
    a.fill(RGBColor(1, 2, 3));
    RGBSurface b(a);
    b.fill(RGBColor(9, 9, 9));
    EXPECT_EQ(colourAt(a, 1, 1), RGBColor(1, 2, 3));

    std::string text;
    try {
        RGBSurface missing(std::string("/no/such/picture.png"));
    } catch (const std::logic_error& e) {
        text = e.what();
    }
    EXPECT_EQ(text.rfind("IMG_Load returns NULL", 0), 0u) << text;
    EXPECT_NE(text.find("/no/such/picture.png"), std::string::npos) << text;
}

namespace {

// A PNG-like 32-bit RGBA picture (SDL_image's byte order) of seeded noise,
// with the key colour and its near neighbours sprinkled in.
SDL_Surface* Noise_Picture(unsigned seed) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 61, 37, 32, 0x000000ff, 0x0000ff00, 0x00ff0000, 0xff000000);
    Uint32 state = seed;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            state = state * 1103515245u + 12345u;
            Uint32 pixel = state;
            if (x % 7 == 0)
                pixel = 0xffff00ffu; // the key, magenta
            else if (x % 11 == 0)
                pixel = 0xfffb04fcu; // magenta's neighbour: the same colour at 16 bits
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch)[x] = pixel;
        }
    return s;
}

} // namespace

// Sheets are converted to the display's format by the game's own pass: it
// must give what SDL_DisplayFormat gives, pixels, key and alpha settings, and
// draw the same.
TEST(Display_Format, ConvertedSheetsMatchSdlAtSixteenAndThirtyTwoBits) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    for (int bpp : {16, 32}) {
        ASSERT_NE(SDL_SetVideoMode(64, 48, bpp, SDL_SWSURFACE), nullptr) << SDL_GetError();
        for (Uint8 keyAlpha : {Uint8(255), Uint8(128)}) {
            RGBSurface ours(Noise_Picture(7u + bpp));
            ours.setColorKey(RGBAColor(255, 0, 255, keyAlpha));
            SDL_Surface* theirsSource = Noise_Picture(7u + bpp);
            RGBSurface keyed(theirsSource);
            keyed.setColorKey(RGBAColor(255, 0, 255, keyAlpha));
            ASSERT_TRUE(ours.convertToDisplayFormat());
            SDL_Surface* theirs = SDL_DisplayFormat(keyed.get_SDL());
            ASSERT_NE(theirs, nullptr);
            SDL_Surface* mine = ours.get_SDL();
            const std::string mode = std::to_string(bpp) + " bits, key alpha " + std::to_string(keyAlpha);

            EXPECT_EQ(mine->format->BitsPerPixel, theirs->format->BitsPerPixel) << mode;
            const Uint32 settings = SDL_SRCCOLORKEY | SDL_SRCALPHA | SDL_RLEACCELOK | SDL_RLEACCEL;
            EXPECT_EQ(mine->flags & settings, theirs->flags & settings) << mode;
            EXPECT_EQ(mine->format->colorkey, theirs->format->colorkey) << mode;
            EXPECT_EQ(mine->format->alpha, theirs->format->alpha) << mode;
            SDL_LockSurface(mine);
            SDL_LockSurface(theirs);
            int differing = 0;
            for (int y = 0; y < mine->h; ++y)
                differing += std::memcmp(static_cast<Uint8*>(mine->pixels) + y * mine->pitch,
                                         static_cast<Uint8*>(theirs->pixels) + y * theirs->pitch,
                                         static_cast<std::size_t>(mine->w * mine->format->BytesPerPixel)) != 0;
            SDL_UnlockSurface(theirs);
            SDL_UnlockSurface(mine);
            EXPECT_EQ(differing, 0) << mode << ": rows converted differently";

            // Drawn over the same background, keyed pixels and all.
            SDL_Surface* screen = SDL_GetVideoSurface();
            std::vector<Uint8> drawn[2];
            SDL_Surface* pictures[2] = {mine, theirs};
            for (int i = 0; i < 2; ++i) {
                SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 20, 200, 90));
                SDL_BlitSurface(pictures[i], nullptr, screen, nullptr);
                SDL_LockSurface(screen);
                const Uint8* start = static_cast<const Uint8*>(screen->pixels);
                drawn[i].assign(start, start + screen->pitch * screen->h);
                SDL_UnlockSurface(screen);
            }
            EXPECT_TRUE(drawn[0] == drawn[1]) << mode << ": drawn differently";
            SDL_FreeSurface(theirs);
        }
    }
    SDL_Quit();
}
