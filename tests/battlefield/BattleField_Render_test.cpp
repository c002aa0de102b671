#include "battlefield/BattleField.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "battlefield/BF_Fixture.hpp"
#include "media/Logger.hpp"
#include "media/RGBSurface.hpp"
#include "shell/Game_Settings.hpp"

using bf_test::BF_Fixture;
using bf_test::Tile_Colour;
using GLINT::SDL::Rect;
using GLINT::SDL::RGBSurface;

namespace {

const char* const BG = "BF_BG_Sprite_Mapping";
const char* const ENV = "BF_Env_Sprite_Mapping";

// Colours may lose low bits when a 16-bit display exists: compare loosely.
::testing::AssertionResult Pixel_Is(RGBSurface& surface, int x, int y, Uint32 rgb) {
    Uint8 r, g, b;
    SDL_GetRGB(surface.getpixel(x, y), surface.get_SDL()->format, &r, &g, &b);
    const int er = rgb >> 16 & 0xff, eg = rgb >> 8 & 0xff, eb = rgb & 0xff;
    if (std::abs(r - er) <= 8 && std::abs(g - eg) <= 8 && std::abs(b - eb) <= 8)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << int(r) << "," << int(g) << ","
                                         << int(b) << " instead of " << er << "," << eg << "," << eb;
}

class BattleField_Rendering : public ::testing::Test {
protected:
    void SetUp() override {
        savedWidth = Game_Settings::Current_Screen_Width;
        savedHeight = Game_Settings::Current_Screen_Height;
        Game_Settings::Current_Screen_Width = 200;
        Game_Settings::Current_Screen_Height = 150;
        files.Write_Sprite("grass", "Grass", 32, 32, 1, "", 1, 1);
        files.Write_Sprite("sand", "Sand", 16, 16, 2);
        files.Write_Sprite("tree", "Big_Vegetal", 16, 16, 3,
                           "<TS_ColorKey_RGB><ColorKey_R>255</ColorKey_R><ColorKey_G>0</ColorKey_G>"
                           "<ColorKey_B>255</ColorKey_B></TS_ColorKey_RGB>");
        files.Write_Sprite("rock", "Big_Mineral", 40, 24, 4, "", 1, 1);
        files.Write_Mapping(files.Section(BG, files.folder.c_str(),
                                          BF_Fixture::Element(BG, 1, "grass.xml") +
                                              BF_Fixture::Element(BG, 2, "sand.xml") +
                                              BF_Fixture::Element(BG, 4, "rock.xml")) +
                            files.Section(ENV, files.folder.c_str(), BF_Fixture::Element(ENV, 3, "tree.xml")));
    }
    void TearDown() override {
        Game_Settings::Current_Screen_Width = savedWidth;
        Game_Settings::Current_Screen_Height = savedHeight;
    }

    std::string Field(const std::string& background, const std::string& environment, int defaultId) {
        return files.Write_Description("<Background>" + background + "</Background><Environment>" + environment +
                                           "</Environment>",
                                       defaultId);
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
    int savedWidth = 0, savedHeight = 0;
};

} // namespace

TEST_F(BattleField_Rendering, LayersDrawTheirSubImagesAroundTheCamera) {
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

TEST_F(BattleField_Rendering, SpritesAtOnePlaceAreDrawnInFileOrder) {
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

TEST_F(BattleField_Rendering, SpritesTouchingAnEdgeAreDrawnOnesBeyondItAreNot) {
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

TEST_F(BattleField_Rendering, DefaultGroundStartsAtTheCameraRemainder) {
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

TEST_F(BattleField_Rendering, FailedDefaultGroundTilesAreLoggedNotThrown) {
    BattleField field(Field("", "", 1));
    RGBSurface screen(200, 150, 32);
    std::ostringstream captured;
    GLINT::SDL::Logger& log = GLINT::SDL::GameLog;
    const bool console = log.toConsole(), file = log.toFile();
    log.setConsole(true);
    log.setFile(false);
    std::streambuf* old = std::clog.rdbuf(captured.rdbuf());
    screen.lock();
    EXPECT_NO_THROW(field.Render_Default_BG(Rect(0, 0, 200, 150), screen));
    screen.unlock();
    std::clog.rdbuf(old);
    log.setConsole(console);
    log.setFile(file);
    EXPECT_NE(captured.str().find("DEfault BG Sprite Generation Failed Surfaces must not be locked during blit"),
              std::string::npos)
        << captured.str();
}

TEST_F(BattleField_Rendering, SkippingMatchesDrawingEverySpriteTheLongWay) {
    // A crowded layer of mixed sizes, some sprites stacked, drawn through cameras all over the field
    // and beyond; every result must equal a plain walk over every sprite.
    std::string background;
    unsigned seed = 7;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
    for (int i = 0; i < 400; ++i) {
        const int id = (next() % 3 == 0) ? 4 : 2;
        background += BF_Fixture::Sprite("Background", static_cast<int>(next() % 900) - 50,
                                         static_cast<int>(next() % 700) - 50, id, static_cast<int>(next() % 2),
                                         id == 2 ? static_cast<int>(next() % 2) : 0);
    }
    BattleField field(Field(background, "", 0));

    const Rect cameras[] = {Rect(0, 0, 200, 150),     Rect(-120, -90, 200, 150), Rect(333, 217, 200, 150),
                            Rect(700, 560, 200, 150), Rect(-16, 300, 200, 150),  Rect(650, -60, 200, 150)};
    for (const Rect& camera : cameras) {
        SCOPED_TRACE(std::to_string(camera.getx()) + ", " + std::to_string(camera.gety()));
        RGBSurface drawn(200, 150, 32), expected(200, 150, 32);
        drawn.fill(GLINT::SDL::RGBColor(0, 0, 0));
        expected.fill(GLINT::SDL::RGBColor(0, 0, 0));
        field.Render_BG(camera, drawn);

        const int cx = camera.getx(), cy = camera.gety(), cw = camera.getw(), ch = camera.geth();
        for (const auto& entry : field.Get_BG_Layer()) {
            const int x = entry.first.first, y = entry.first.second;
            const BattleField_Sprite& sprite = *field.Get_BG_Mapping().at(entry.second->Id);
            if (x > cx + cw && y > cy + ch)
                break;
            if (x + sprite.Get_Display_Width() < cx || y + sprite.Get_Display_Height() < cy || x > cx + cw ||
                y > cy + ch)
                continue;
            expected.blit(sprite.Get_Tileset(), GLINT::SDL::Point(static_cast<Sint16>(x - cx), static_cast<Sint16>(y - cy)),
                          sprite.Source_Rect(entry.second->SubType, entry.second->Orientation));
        }
        int differences = 0;
        for (int y = 0; y < 150; ++y)
            for (int x = 0; x < 200; ++x)
                differences += drawn.getpixel(x, y) != expected.getpixel(x, y);
        EXPECT_EQ(differences, 0);
    }
}
