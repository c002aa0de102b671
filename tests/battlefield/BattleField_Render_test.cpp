#include "battlefield/BattleField.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "Log_Capture.hpp"
#include "battlefield/BF_Cover_Outline.hpp"
#include "battlefield/BF_Fixture.hpp"
#include "media/MediaContext.hpp"
#include "media/RGBSurface.hpp"
#include "media/VideoSurface.hpp"
#include "media/Window.hpp"
#include "shell/Game_Settings.hpp"

using bf_test::BF_Fixture;
using bf_test::Tile_Colour;
using GLINT::SDL::Rect;
using GLINT::SDL::RGBSurface;

namespace {

// Colours may lose low bits when a 16-bit display exists: compare loosely.
::testing::AssertionResult Pixel_Is(GLINT::SDL::BaseSurface& surface, int x, int y, Uint32 rgb) {
    Uint8 r, g, b;
    SDL_GetRGB(surface.getpixel(x, y), surface.get_SDL()->format, &r, &g, &b);
    const int er = rgb >> 16 & 0xff, eg = rgb >> 8 & 0xff, eb = rgb & 0xff;
    if (std::abs(r - er) <= 8 && std::abs(g - eg) <= 8 && std::abs(b - eb) <= 8)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << int(r) << "," << int(g) << ","
                                         << int(b) << " instead of " << er << "," << eg << "," << eb;
}

// The game draws with a display: tilesets take its format, are cut into one surface per sub-image
// and the ground is drawn once at load. None of it may change the picture, at either depth.
class BF_Display_Drawing : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        savedWidth = Game_Settings::Current_Screen_Width;
        savedHeight = Game_Settings::Current_Screen_Height;
        GLINT::SDL::MediaContext& media = GLINT::SDL::MediaContext::instance();
        ASSERT_TRUE(media.InitVideo(false, false, true, false));
        ASSERT_TRUE(media.getWindow()->resetDisplay(200, 150, GetParam()));
        screen = media.getWindow()->getDisplay();
        Game_Settings::Current_Screen_Width = 200;
        Game_Settings::Current_Screen_Height = 150;

        files.Write_Sprite("grass", "Grass", 32, 32, 1, "", 1, 1);
        files.Write_Sprite("keyed_grass", "Grass", 32, 32, 1, bf_test::Colour_Key, 1, 1);
        files.Write_Sprite("sand", "Sand", 16, 16, 2);
        files.Write_Sprite("rock", "Big_Mineral", 40, 24, 4, "", 1, 1);
        files.Write_Sprite("tree", "Big_Vegetal", 16, 16, 3, bf_test::Colour_Key, 3, 2);
        files.Write_Mapping({{1, "grass"}, {2, "sand"}, {3, "keyed_grass"}, {4, "rock"}, {5, "tree"}},
                            {{3, "tree"}, {4, "rock"}});
    }
    void TearDown() override {
        Game_Settings::Current_Screen_Width = savedWidth;
        Game_Settings::Current_Screen_Height = savedHeight;
    }

    // A crowded 900 x 700 field: sprites of every size, keyed or not, some off its edges.
    std::string Crowded_Field(int defaultId) {
        std::string background, environment;
        unsigned seed = 11;
        auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
        const int groundIds[] = {2, 4, 5};
        for (int i = 0; i < 500; ++i) {
            const int id = groundIds[next() % 3];
            background += BF_Fixture::Sprite("Background", int(next() % 960) - 30, int(next() % 760) - 30, id,
                                             int(next() % 2), int(next() % 3));
        }
        for (int i = 0; i < 120; ++i)
            environment += BF_Fixture::Sprite("Environment", int(next() % 900), int(next() % 700),
                                              next() % 2 ? 3 : 4, int(next() % 2), int(next() % 3));
        return files.Write_Description(BF_Fixture::Layers(background, environment), defaultId, 900, 700);
    }

    std::string Field(const std::string& background, const std::string& environment, int defaultId) {
        return files.Write_Description(BF_Fixture::Layers(background, environment), defaultId);
    }

    // Whether drawing the Background layer through camera tries to blit anything:
    // a locked target makes every attempted blit fail.
    static bool Attempts_To_Draw(const BattleField& field, const Rect& camera) {
        RGBSurface target(200, 150, 32);
        target.lock();
        std::string message;
        try {
            field.Render_BG(camera, target);
        } catch (const std::logic_error& e) {
            message = e.what();
        }
        target.unlock();
        if (!message.empty() &&
            message != "From BattleField::Render_BG(), From BattleField::Render_Map(), Surfaces must not be locked during blit")
            ADD_FAILURE() << message;
        return !message.empty();
    }

    BF_Fixture files;
    GLINT::SDL::VideoSurface* screen = nullptr;
    int savedWidth = 0, savedHeight = 0;
};

} // namespace

// Both ways of drawing, the copied ground and the one tile by tile that skips what is off screen,
// against every sprite of both layers drawn straight from its tileset.
TEST_P(BF_Display_Drawing, CopiedGroundAndSkippingShowWhatEveryTileDoes) {
    BattleField field(Crowded_Field(1));
    ASSERT_TRUE(field.Has_Ground_Cache());
    // Inside the field, on odd pixels, across the pieces' seams, on the far edges; then outside.
    const Rect cameras[] = {Rect(0, 0, 200, 150),    Rect(1, 3, 200, 150),    Rect(411, 437, 200, 150),
                            Rect(700, 550, 200, 150), Rect(313, 0, 200, 150), Rect(-7, 20, 200, 150),
                            Rect(650, 600, 200, 150), Rect(-120, -90, 200, 150), Rect(650, -60, 200, 150)};
    for (const Rect& camera : cameras) {
        SCOPED_TRACE(std::to_string(camera.getx()) + ", " + std::to_string(camera.gety()));
        screen->fill(GLINT::SDL::RGBColor(0, 0, 0));
        field.Render_Default_BG(camera, *screen);
        const int cx = camera.getx(), cy = camera.gety();
        for (const BF_Layer* layer : {&field.Get_BG_Layer(), &field.Get_Env_Layer()}) {
            const BF_Sprite_Mapping& mapping = layer == &field.Get_BG_Layer() ? field.Get_BG_Mapping()
                                                                               : field.Get_Env_Mapping();
            for (const auto& entry : *layer) {
                const BattleField_Sprite& sprite = *mapping.at(entry.second->Id);
                screen->blit(sprite.Get_Tileset(),
                             GLINT::SDL::Point(Sint16(entry.first.first - cx), Sint16(entry.first.second - cy)),
                             sprite.Source_Rect(entry.second->SubType, entry.second->Orientation));
            }
        }
        const std::vector<Uint8> expected = bf_test::Pixels(screen->get_SDL());

        screen->fill(GLINT::SDL::RGBColor(0, 0, 0));
        field.Render_Ground(camera, *screen);
        field.Render_Env(camera, *screen);
        EXPECT_TRUE(expected == bf_test::Pixels(screen->get_SDL())) << "copied";

        screen->fill(GLINT::SDL::RGBColor(0, 0, 0));
        field.Render_Default_BG(camera, *screen);
        field.Render_BG(camera, *screen);
        field.Render_Env(camera, *screen);
        EXPECT_TRUE(expected == bf_test::Pixels(screen->get_SDL())) << "tile by tile";
    }
}

TEST_P(BF_Display_Drawing, NoCopyWithoutAnOpaqueOneTileDefaultGround) {
    EXPECT_FALSE(BattleField(Crowded_Field(0)).Has_Ground_Cache());  // none
    EXPECT_FALSE(BattleField(Crowded_Field(3)).Has_Ground_Cache());  // see-through pixels
    EXPECT_FALSE(BattleField(Crowded_Field(2)).Has_Ground_Cache());  // a tileset of four tiles
}

TEST_P(BF_Display_Drawing, ACameraOfAnotherSizeThanTheScreenIsDrawnTileByTile) {
    BattleField field(Crowded_Field(1));
    const Rect camera(100, 100, 180, 150);
    screen->fill(GLINT::SDL::RGBColor(0, 0, 0));
    field.Render_Ground(camera, *screen);
    const std::vector<Uint8> drawn = bf_test::Pixels(screen->get_SDL());
    screen->fill(GLINT::SDL::RGBColor(0, 0, 0));
    field.Render_Default_BG(camera, *screen);
    field.Render_BG(camera, *screen);
    EXPECT_TRUE(drawn == bf_test::Pixels(screen->get_SDL()));
}

TEST_P(BF_Display_Drawing, LayersDrawTheirSubImagesAroundTheCamera) {
    BattleField field(Field(BF_Fixture::Sprite("Background", 100, 200, 2, 1, 1),
                            BF_Fixture::Sprite("Environment", 108, 200, 3, 0, 1), 1));
    RGBSurface screen(200, 150, 32);
    const Rect camera(90, 190, 200, 150);
    field.Render_Default_BG(camera, screen);
    field.Render_BG(camera, screen);
    field.Render_Env(camera, screen);

    // Default ground everywhere else, tiled from the camera's offset (world 190, 290 is tile pixel 30, 2).
    EXPECT_TRUE(Pixel_Is(screen, 100, 100, Tile_Colour(1, 0, 0)));
    EXPECT_TRUE(Pixel_Is(screen, 199, 149, Tile_Colour(1, 0, 0)));
    // The sand tile of column 1, row 1 at (10, 10) on screen, its unkeyed magenta pixel included.
    EXPECT_TRUE(Pixel_Is(screen, 12, 12, Tile_Colour(2, 1, 1)));
    EXPECT_TRUE(Pixel_Is(screen, 11, 11, 0xff00ff));
    // The tree over it, with its colour key showing the sand beneath.
    EXPECT_TRUE(Pixel_Is(screen, 20, 12, Tile_Colour(3, 1, 0)));
    EXPECT_TRUE(Pixel_Is(screen, 19, 11, Tile_Colour(2, 1, 1)));
    EXPECT_TRUE(Pixel_Is(screen, 33, 25, Tile_Colour(3, 1, 0)));
    EXPECT_TRUE(Pixel_Is(screen, 34, 25, Tile_Colour(1, 0, 0)));
}

TEST_P(BF_Display_Drawing, SpritesAtOnePlaceAreDrawnInFileOrder) {
    BattleField field(Field(BF_Fixture::Sprite("Background", 10, 10, 2, 0, 0) +
                                BF_Fixture::Sprite("Background", 10, 10, 4) +
                                BF_Fixture::Sprite("Background", 10, 10, 2, 1, 0),
                            "", 0));
    RGBSurface screen(200, 150, 32);
    field.Render_BG(Rect(0, 0, 200, 150), screen);
    // The last sand tile covers the rock's top-left corner; the rock shows beyond it.
    EXPECT_TRUE(Pixel_Is(screen, 12, 12, Tile_Colour(2, 0, 1)));
    EXPECT_TRUE(Pixel_Is(screen, 30, 12, Tile_Colour(4, 0, 0)));
}

TEST_P(BF_Display_Drawing, SpritesTouchingAnEdgeAreDrawnOnesBeyondItAreNot) {
    // A 16 x 16 sprite at (100, 200) and a 200 x 150 camera.
    BattleField field(Field(BF_Fixture::Sprite("Background", 100, 200, 2), "", 0));
    // Right edge of the sprite one pixel left of the screen, then on its first column.
    EXPECT_FALSE(Attempts_To_Draw(field, Rect(117, 150, 200, 150)));
    EXPECT_TRUE(Attempts_To_Draw(field, Rect(116, 150, 200, 150)));
    // Left edge one pixel right of the screen's right edge, then on it.
    EXPECT_FALSE(Attempts_To_Draw(field, Rect(-101, 150, 200, 150)));
    EXPECT_TRUE(Attempts_To_Draw(field, Rect(-100, 150, 200, 150)));
    // The same above and below.
    EXPECT_FALSE(Attempts_To_Draw(field, Rect(50, 217, 200, 150)));
    EXPECT_TRUE(Attempts_To_Draw(field, Rect(50, 216, 200, 150)));
    EXPECT_FALSE(Attempts_To_Draw(field, Rect(50, 49, 200, 150)));
    EXPECT_TRUE(Attempts_To_Draw(field, Rect(50, 50, 200, 150)));
}

TEST_P(BF_Display_Drawing, DefaultGroundStartsAtTheCameraRemainder) {
    BattleField field(Field("", "", 1));
    RGBSurface screen(200, 150, 32);
    screen.fill(GLINT::SDL::RGBColor(0, 0, 0));
    // -(-5 mod 32) = 5: a five-pixel strip on the left stays uncovered.
    field.Render_Default_BG(Rect(-5, 40, 200, 150), screen);
    EXPECT_TRUE(Pixel_Is(screen, 4, 20, 0x000000));
    EXPECT_TRUE(Pixel_Is(screen, 5, 20, Tile_Colour(1, 0, 0)));
    // 40 mod 32 = 8: the tiles' magenta pixel (1, 1) lands at y = -8 + 32 + 1.
    EXPECT_TRUE(Pixel_Is(screen, 6, 25, 0xff00ff));
    EXPECT_TRUE(Pixel_Is(screen, 199, 149, Tile_Colour(1, 0, 0)));
}

TEST_P(BF_Display_Drawing, FailedDefaultGroundTilesAreLoggedNotThrown) {
    BattleField field(Field("", "", 1));
    RGBSurface screen(200, 150, 32);
    Log_Capture log;
    screen.lock();
    EXPECT_NO_THROW(field.Render_Default_BG(Rect(0, 0, 200, 150), screen));
    screen.unlock();
    EXPECT_NE(log.str().find("DEfault BG Sprite Generation Failed Surfaces must not be locked during blit"),
              std::string::npos)
        << log.str();
}

// A keyed 12 x 12 figure holding an 8 x 8 square, drawn as characters are, partly under a 16 x 16 tree
// whose see-through pixel falls on the square's top edge.
TEST_P(BF_Display_Drawing, ScenerySeenOverAFigureShowsItsOutlineWhereItCoversItOnly) {
    BattleField field(Field("", BF_Fixture::Sprite("Environment", 40, 45, 3), 0));
    SDL_Surface* drawn = SDL_CreateRGBSurface(SDL_SWSURFACE, 12, 12, 24, 0xff0000, 0x00ff00, 0x0000ff, 0);
    SDL_FillRect(drawn, nullptr, 0xff00ff);
    SDL_Rect square = {2, 2, 8, 8};
    SDL_FillRect(drawn, &square, 0xffffff);
    RGBSurface sheet(drawn);
    sheet.setColorKey(GLINT::SDL::RGBAColor(255, 0, 255, 255), true);
    sheet.convertToDisplayFormat();
    const Rect camera(10, 20, 200, 150), area(0, 0, 12, 12);
    const GLINT::SDL::RGBColor ink(0xfb, 0xf2, 0x36);
    screen->fill(GLINT::SDL::RGBColor(0, 0, 0));
    screen->blit(sheet, GLINT::SDL::Point(34 - 10, 44 - 20));
    field.Render_Env(camera, *screen);
    EXPECT_FALSE(field.Outline_Covered(camera, *screen, sheet, area, 120, 100, ink)) << "in the open";
    ASSERT_TRUE(field.Outline_Covered(camera, *screen, sheet, area, 34, 44, ink));

    // On screen (field - camera): the square spans x 26-33, y 26-33; the tree starts at x 30, y 25.
    const GLINT::SDL::RGBColor& ring = BF_Cover_Outline::Ring;
    EXPECT_TRUE(Pixel_Is(*screen, 33, 30, 0xfbf236)) << "covered edge";
    EXPECT_TRUE(Pixel_Is(*screen, 30, 26, 0xfbf236)) << "covered edge";
    EXPECT_TRUE(Pixel_Is(*screen, 31, 26, 0xffffff)) << "under the see-through pixel";
    EXPECT_TRUE(Pixel_Is(*screen, 26, 30, 0xffffff)) << "edge in the open";
    EXPECT_TRUE(Pixel_Is(*screen, 31, 30, Tile_Colour(3, 0, 0))) << "covered inside";
    EXPECT_TRUE(Pixel_Is(*screen, 34, 30, 0x222034)) << "ring";
    EXPECT_TRUE(Pixel_Is(*screen, 25, 30, 0x000000)) << "no ring in the open";
    // Top edge 3 (the see-through pixel left out), bottom 4, right 6; the ring 4 above, 4 below, 8 right.
    SDL_Surface* s = screen->get_SDL();
    const Uint32 light = SDL_MapRGB(s->format, ink.getR(), ink.getG(), ink.getB());
    const Uint32 dark = SDL_MapRGB(s->format, ring.getR(), ring.getG(), ring.getB());
    int lights = 0, darks = 0;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x) {
            const Uint32 pixel = screen->getpixel(x, y);
            lights += pixel == light;
            darks += pixel == dark;
        }
    EXPECT_EQ(lights, 13);
    EXPECT_EQ(darks, 16);
}

INSTANTIATE_TEST_SUITE_P(Depths, BF_Display_Drawing, ::testing::Values(16, 32));
