#include "battlefield/BF_Ground_Cache.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battlefield/BF_Fixture.hpp"
#include "battlefield/BattleField.hpp"
#include "media/MediaContext.hpp"
#include "media/VideoSurface.hpp"
#include "media/Window.hpp"
#include "shell/Game_Settings.hpp"

using bf_test::BF_Fixture;
using GLINT::SDL::Rect;

namespace {

std::vector<Uint8> Pixels(SDL_Surface* surface) {
    std::vector<Uint8> pixels;
    SDL_LockSurface(surface);
    const int rowBytes = surface->w * surface->format->BytesPerPixel;
    for (int y = 0; y < surface->h; ++y) {
        const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
        pixels.insert(pixels.end(), row, row + rowBytes);
    }
    SDL_UnlockSurface(surface);
    return pixels;
}

// With a display, tilesets take its format, are cut into one surface per
// sub-image and the ground is drawn once at load: none of it may change the picture.
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
        const std::vector<Uint8> expected = Pixels(screen->get_SDL());

        screen->fill(GLINT::SDL::RGBColor(0, 0, 0));
        field.Render_Ground(camera, *screen);
        field.Render_Env(camera, *screen);
        EXPECT_TRUE(expected == Pixels(screen->get_SDL())) << "copied";

        screen->fill(GLINT::SDL::RGBColor(0, 0, 0));
        field.Render_Default_BG(camera, *screen);
        field.Render_BG(camera, *screen);
        field.Render_Env(camera, *screen);
        EXPECT_TRUE(expected == Pixels(screen->get_SDL())) << "tile by tile";
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
    const std::vector<Uint8> drawn = Pixels(screen->get_SDL());
    screen->fill(GLINT::SDL::RGBColor(0, 0, 0));
    field.Render_Default_BG(camera, *screen);
    field.Render_BG(camera, *screen);
    EXPECT_TRUE(drawn == Pixels(screen->get_SDL()));
}

INSTANTIATE_TEST_SUITE_P(Depths, BF_Display_Drawing, ::testing::Values(16, 32));
