#include "interface/Render_Engine.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "battlefield/BF_Fixture.hpp"
#include "battlefield/BattleField.hpp"
#include "Log_Capture.hpp"
#include "media/MediaContext.hpp"
#include "media/VideoSurface.hpp"
#include "media/Window.hpp"
#include "shell/Game_Settings.hpp"

using bf_test::BF_Fixture;
using GLINT::SDL::Rect;

namespace {

class Render_Engine_Test : public ::testing::Test {
protected:
    void SetUp() override {
        Game_Settings::Current_Screen_Width = 800;
        Game_Settings::Current_Screen_Height = 600;
        files.Write_Sprite("grass", "Grass", 32, 32, 1, "", 1, 1);
        files.Write_Mapping(files.Section("BF_BG_Sprite_Mapping", files.folder.c_str(),
                                          BF_Fixture::Element("BF_BG_Sprite_Mapping", 1, "grass.xml")));
        // 2000 x 1500, the default ground only.
        field.reset(new BattleField(files.Write_Description("<Background/><Environment/>", 1)));
    }
    void TearDown() override {
        field.reset();
        Game_Settings::Reset();
    }
    // The window's display, at the given size.
    static GLINT::SDL::Window& Screen(int width, int height) {
        GLINT::SDL::MediaContext& media = GLINT::SDL::MediaContext::instance();
        EXPECT_TRUE(media.InitVideo(false, false, true, false));
        EXPECT_TRUE(media.getWindow()->resetDisplay(width, height, 32));
        return *media.getWindow();
    }

    BF_Fixture files;
    std::unique_ptr<BattleField> field;
};

} // namespace

TEST_F(Render_Engine_Test, CameraIsCentredOnItsFocusInsideTheFieldAndFollowsAResize) {
    {
        // No focus yet: the top-left corner.
        Render_Engine engine(field.get());
        EXPECT_EQ(engine.Get_Camera(), Rect(0, 0, 800, 600));
        engine.Set_Camera_Focus(1016, 724);
        // 1016 - 400, 724 - 300.
        EXPECT_EQ(engine.Get_Camera(), Rect(616, 424, 800, 600));
        EXPECT_TRUE(engine.resize(1024, 768));
        EXPECT_EQ(Game_Settings::Current_Screen_Width, 1024);
        EXPECT_EQ(Game_Settings::Current_Screen_Height, 768);
        EXPECT_EQ(engine.Get_Camera(), Rect(1016 - 512, 724 - 384, 1024, 768));
        // Wider than the field: the camera goes negative, centred on nothing but the clamp.
        EXPECT_TRUE(engine.resize(2400, 1600));
        EXPECT_EQ(engine.Get_Camera(), Rect(-400, -100, 2400, 1600));
        engine.resize(800, 600);
        engine.Set_Camera_Focus(1990, 10);
        EXPECT_EQ(engine.Get_Camera(), Rect(1200, 0, 800, 600));
        engine.Set_Camera_Focus(-500, 5000);
        EXPECT_EQ(engine.Get_Camera(), Rect(0, 900, 800, 600));
    }
}

TEST_F(Render_Engine_Test, RenderDrawsTheFieldAndChainsFailures) {
    GLINT::SDL::VideoSurface& screen = *Screen(320, 240).getDisplay();

    files.Write_Sprite("sand", "Sand", 16, 16, 2, "", 1, 1);
    files.Write_Mapping(files.Section("BF_BG_Sprite_Mapping", files.folder.c_str(),
                                      BF_Fixture::Element("BF_BG_Sprite_Mapping", 1, "grass.xml") +
                                          BF_Fixture::Element("BF_BG_Sprite_Mapping", 2, "sand.xml")));
    BattleField sandy(files.Write_Description(
        "<Background>" + BF_Fixture::Sprite("Background", 40, 20, 2) + "</Background><Environment/>", 1));
    Render_Engine engine(&sandy);
    engine.resize(320, 240);
    ASSERT_EQ(engine.Get_Camera(), Rect(0, 0, 320, 240));

    screen.fill(GLINT::SDL::RGBColor(0, 0, 0));
    engine.prerender(0);
    engine.render(screen);
    engine.postrender();
    // What the field draws is the battlefield's own tests' business; a failed blit ends the frame
    // with the whole chain.
    Log_Capture quiet;
    screen.lock();
    std::string message;
    try {
        engine.render(screen);
    } catch (const std::logic_error& e) {
        message = e.what();
    }
    screen.unlock();
    EXPECT_EQ(message, "From Render_Engine::render(), From BattleField::Render_BG(), From BattleField::Render_Map(), "
                       "Surfaces must not be locked during blit");
}

// The window leaves the screen uncleared only under a frame the ground copy
// paints whole: the camera inside the field and the screen's own size.
TEST_F(Render_Engine_Test, OnlyAScreenTheGroundCoversGoesUncleared) {
    GLINT::SDL::Window& window = Screen(320, 240);
    BattleField covered(files.Write_Description("<Background/><Environment/>", 1));
    ASSERT_TRUE(covered.Has_Ground_Cache());
    Render_Engine engine(&covered);
    engine.Set_Camera_Focus(1016, 724);
    engine.resize(320, 240);
    EXPECT_TRUE(engine.coversDisplay(*window.getDisplay()));

    // Wider than the 2000-pixel field: the camera leaves it, the clear shows at the side.
    ASSERT_TRUE(window.resetDisplay(2400, 240, 32));
    engine.resize(2400, 240);
    EXPECT_FALSE(engine.coversDisplay(*window.getDisplay()));
    // The display and the screen size the engine knows disagree.
    ASSERT_TRUE(window.resetDisplay(320, 240, 32));
    EXPECT_FALSE(engine.coversDisplay(*window.getDisplay()));
}
