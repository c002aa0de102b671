#include "lumen/LumenTestSupport.hpp"

#include "lumen/lumenimage.hpp"
#include "lumen/lumenimageloader.hpp"
#include "media/Temporary_Folder.hpp"

using namespace lumen_test;
using GLINT::SDL::RGBAColor;
using GLINT::SDL::RGBSurface;

namespace {

class LumenImageTest : public SurfaceTest {
protected:
    test_files::Temporary_Folder here;
    const std::string folder = here.Path().string();
    gcn::LumenImageLoader loader;
};

} // namespace

// A file that fails to load is named by the interface's own test.
TEST_F(LumenImageTest, LoaderAppliesTheColourKey) {
    // White, red, white.
    RGBSurface strip(3, 1, 24);
    paint(strip, RGBAColor(255, 255, 255));
    strip.putpixel(1, 0, RGBAColor(255, 0, 0).map(strip.getFormat()));
    const std::string file = folder + "/strip.bmp";
    ASSERT_EQ(SDL_SaveBMP(strip.get_SDL(), file.c_str()), 0);

    gcn::Image::setImageLoader(&loader); // Guichan's own entry point reaches it
    std::unique_ptr<gcn::Image> plain(gcn::Image::load(file, false));
    gcn::Image::setImageLoader(nullptr);
    EXPECT_EQ(plain->getPixel(1, 0), gcn::Color(255, 0, 0));
    std::unique_ptr<gcn::LumenImage> keyed(loader.load(file, RGBAColor(255, 255, 255, 255), false));
    EXPECT_TRUE(keyed->isOwned());

    graphics._beginDraw();
    graphics.drawImage(plain.get(), 0, 0);
    graphics.drawImage(keyed.get(), 0, 1);
    graphics._endDraw();
    EXPECT_TRUE(sameColour(pixelAt(*target, 0, 0), 255, 255, 255));
    EXPECT_TRUE(sameColour(pixelAt(*target, 0, 1), 0, 0, 0));
    EXPECT_TRUE(sameColour(pixelAt(*target, 1, 1), 255, 0, 0));
}
