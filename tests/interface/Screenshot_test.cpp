#include "interface/Screenshot.hpp"

#include <cstring>
#include <stdexcept>
#include <string>
#include <tuple>

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>

#include "interface/GUI_Fixture.hpp"

namespace fs = std::filesystem;

namespace {

class Screenshot_Test : public ::testing::Test {
protected:
    void Touch(const std::string& name) { std::ofstream(name) << "x"; }
    gui_test::Temporary_Folder here;
    const fs::path folder = fs::current_path();
};

const Uint8 colours[5][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}, {0, 0, 0}};

// A 5 x 3 surface of the given depth: red, green, blue, white and black columns.
SDL_Surface* Stripes(int depth) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 5, 3, depth, 0, 0, 0, 0);
    for (int x = 0; x < 5; ++x) {
        SDL_Rect column{static_cast<Sint16>(x), 0, 1, 3};
        SDL_FillRect(s, &column, SDL_MapRGB(s->format, colours[x][0], colours[x][1], colours[x][2]));
    }
    return s;
}

} // namespace

TEST_F(Screenshot_Test, NumbersFollowTheHighestPictureAndIgnoreOtherFiles) {
    EXPECT_EQ(Screenshot::Next_Name(folder.string()), "Varnholt-001.png");
    for (const char* name : {"Varnholt-001.png", "Varnholt-007.png", "Varnholt-abc.png", "Other-050.png",
                             "Varnholt-020.png.part", "Config.ini"})
        Touch(name);
    EXPECT_EQ(Screenshot::Next_Name(folder.string()), "Varnholt-008.png") << "a gap is not filled";
    Touch("Varnholt-999.png");
    EXPECT_EQ(Screenshot::Next_Name(folder.string()), "Varnholt-1000.png");
    EXPECT_EQ(Screenshot::Next_Name((folder / "missing").string()), "Varnholt-001.png");
}

TEST_F(Screenshot_Test, EveryDepthIsWrittenAsTheColoursOnScreen) {
    for (int depth : {16, 24, 32}) {
        SDL_Surface* surface = Stripes(depth);
        const std::string name = Screenshot::Save(surface, folder.string());
        SDL_FreeSurface(surface);

        SDL_Surface* read = IMG_Load((folder / name).string().c_str());
        ASSERT_NE(read, nullptr) << depth << ": " << IMG_GetError();
        EXPECT_EQ(read->w, 5);
        EXPECT_EQ(read->h, 3);
        for (int x = 0; x < 5; ++x) {
            const Uint8* p = static_cast<const Uint8*>(read->pixels) + 2 * read->pitch + x * read->format->BytesPerPixel;
            Uint32 pixel = 0;
            std::memcpy(&pixel, p, read->format->BytesPerPixel);
            Uint8 r, g, b;
            SDL_GetRGB(pixel, read->format, &r, &g, &b);
            EXPECT_EQ(std::make_tuple(r, g, b), std::make_tuple(colours[x][0], colours[x][1], colours[x][2]))
                << depth << " bits, column " << x;
        }
        SDL_FreeSurface(read);
    }
    EXPECT_TRUE(fs::exists(folder / "Varnholt-003.png"));
}

TEST_F(Screenshot_Test, AFailedWriteNamesTheFileAndLeavesNothing) {
    SDL_Surface* surface = Stripes(32);
    const std::string path = (folder / "no-such-folder" / "Varnholt-001.png").string();
    try {
        Screenshot::Write_PNG(surface, path);
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), path + ": No such file or directory");
    }
    SDL_FreeSurface(surface);
    EXPECT_TRUE(fs::is_empty(folder));
}
