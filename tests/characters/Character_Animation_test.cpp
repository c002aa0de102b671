#include "characters/Character_Animation.hpp"

#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <cstdio>
#include <string>
#include <vector>

#include "characters/Animation_Fixture.hpp"
#include "characters/Animation_Set.hpp"

using anim_test::Sheet;
using anim_test::Tag;
using GLINT::SDL::Rect;

namespace {

const std::string Prefix = "Error In Character_Animation Constructor : ";

class Character_Animation_Test : public ::testing::Test {
protected:
    std::string Load_Error(const std::string& key) {
        return ch_test::Error_Of([&] { Character_Animation(files.Description(), key.c_str(), files.folder); });
    }

    anim_test::Animation_Files files;
};

} // namespace

TEST_F(Character_Animation_Test, FacingPicksTheRowAndTheFrameTheColumn) {
    files.Write_Animation("walk", Sheet{3, 16, 20, 120});
    Character_Animation walk(files.Description(), "walk", files.folder);
    EXPECT_EQ(walk.File, files.Path("walk.xml"));
    EXPECT_EQ(walk.Frame(2, 1), Rect(16, 40, 16, 20));
    EXPECT_EQ(walk.Frame(7, 2), Rect(32, 140, 16, 20));
    // A facing outside the eight rows reads row 0 rather than past the table.
    EXPECT_EQ(walk.Frame(8, 1), Rect(16, 0, 16, 20));
    EXPECT_EQ(walk.Frame(-1, 2), Rect(32, 0, 16, 20));
}

TEST_F(Character_Animation_Test, OptionalValuesAndTheirDefaults) {
    struct Scenario {
        const char* name;
        int frames;
        std::string extra;
        Uint32 interval, effectiveInterval;
        int keyFrame;
        std::vector<int> modifiers; // X, Y, CB_X, CB_Y, CB_W, CB_H
    };
    const std::vector<int> none(6, 0);
    const Scenario scenarios[] = {
        {"one frame, no interval; a modifier outside its section is none", 1, Tag("X_Modifier", 11), 1, 1, 0, none},
        {"one frame ignores its interval", 1, Tag("Frames_Interval", 250), 1, 1, 0, none},
        {"interval 0 is used as 1", 2, Tag("Frames_Interval", 0), 0, 1, 0, none},
        {"some modifiers", 1, Tag("Coordinates_n_CB_Modifier", Tag("Y_Modifier", 2) + Tag("CB_W_Modifier", 9)), 1, 1,
         0, {0, 2, 0, 0, 9, 0}},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        files.Write_Animation("anim", Tag("Frames", s.frames) + Tag("Width", 8) + Tag("Height", 8) + s.extra, 8, 8, 2);
        Character_Animation a(files.Description(), "anim", files.folder);
        EXPECT_EQ(a.Frames_Interval, s.interval);
        EXPECT_EQ(a.Interval(), s.effectiveInterval);
        EXPECT_EQ(a.KeyFrame, s.keyFrame);
        EXPECT_EQ((std::vector<int>{a.X_Modifier, a.Y_Modifier, a.CB_X_Modifier, a.CB_Y_Modifier, a.CB_W_Modifier,
                                    a.CB_H_Modifier}),
                  s.modifiers);
    }
}

TEST_F(Character_Animation_Test, RefusesFilesItCannotPlay) {
    struct Scenario {
        const char* name;
        std::string body;
        int columns, rows;
        std::string expected; // the whole message when exact, else a part of it
        bool exact;
    };
    const std::string file = files.Path("anim.xml");
    const std::string size = Tag("Width", 8) + Tag("Height", 8);
    const Scenario scenarios[] = {
        {"no frame", Tag("Frames", 0) + size, 1, 8, Prefix + "Animation has less than one frame !", true},
        {"several frames without interval", Tag("Frames", 3) + size, 3, 8,
         Prefix + "Frames_Interval not set but the animation has more than one frame!", true},
        {"a negative interval", Tag("Frames", 3) + Tag("Frames_Interval", -5) + size, 3, 8,
         Prefix + "Frames_Interval -5 outside 0-4294967295 ms in " + file, true},
        {"key frame past the last", Tag("Frames", 3) + Tag("Frames_Interval", 50) + Tag("KeyFrame", 3) + size, 3, 8,
         file, false},
        {"negative key frame", Tag("Frames", 1) + Tag("KeyFrame", -1) + size, 1, 8, file, false},
        {"zero width", Tag("Frames", 1) + Tag("Width", 0) + Tag("Height", 8), 1, 8, file, false},
        {"negative height", Tag("Frames", 1) + Tag("Width", 8) + Tag("Height", -8), 1, 8, file, false},
        {"sheet narrower than its frames", Tag("Frames", 3) + Tag("Frames_Interval", 50) + size, 2, 8, file, false},
        {"sheet shorter than eight facings", Tag("Frames", 1) + size, 1, 7, file, false},
        {"no frame count", size, 1, 8, "Frames", false},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        files.Write_Animation("anim", s.body, 8, 8, s.columns, s.rows);
        const std::string message = Load_Error("anim");
        if (s.exact) {
            EXPECT_EQ(message, s.expected);
        } else {
            EXPECT_EQ(message.rfind(Prefix, 0), 0u) << message;
            EXPECT_NE(message.find(s.expected), std::string::npos) << message;
        }
    }

    std::remove(files.Path("anim.bmp").c_str());
    for (const char* key : {"anim", "no_such_key"})
        EXPECT_EQ(Load_Error(key).rfind(Prefix, 0), 0u) << "missing sheet or key: " << key;

    // Read as it stood, an empty name is the folder itself: the error would name no file at all.
    files.Name("blank", "");
    EXPECT_EQ(Load_Error("blank"), Prefix + "Empty blank In File " + files.Description());
    files.Write("bare.xml", bf_test::Xml("Animation", Tag("Animation_TS_Filename", "") + Tag("Frames", 1) + size));
    files.Name("bare", "bare.xml");
    EXPECT_EQ(Load_Error("bare"), Prefix + "Empty Animation_TS_Filename In File " + files.folder + "bare.xml");
}

TEST_F(Character_Animation_Test, ColourKeyedSheetTakesTheDisplayFormat) {
    const std::string key =
        Tag("TS_ColorKey_RGB", Tag("ColorKey_R", 255) + Tag("ColorKey_G", 0) + Tag("ColorKey_B", 255));
    files.Write_Animation("anim", Sheet{2, 8, 8, 100, key});
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    ASSERT_NE(SDL_SetVideoMode(64, 48, 16, SDL_SWSURFACE), nullptr) << SDL_GetError();
    // With a display the sheet is converted to it; without one it stays as read, keyed either way.
    for (int depth : {16, 24}) {
        {
            Character_Animation animation(files.Description(), "anim", files.folder);
            EXPECT_EQ(animation.Sheet->getDepth(), depth);
            EXPECT_TRUE(animation.Sheet->getFlags() & SDL_SRCCOLORKEY);
        }
        SDL_Quit();
    }
}

TEST_F(Character_Animation_Test, AnimationSetClearDeletesSharedSheetsOnce) {
    files.Write_Animation("stop", Sheet{});
    files.Write_Animation("death", Sheet{});
    Animation_Set set;
    set.Stop = new Character_Animation(files.Description(), "stop", files.folder);
    set.Walk = set.Run = set.Attack = set.Hit = set.Stop;
    set.Death = new Character_Animation(files.Description(), "death", files.folder);
    EXPECT_FALSE(set.Empty());
    // A double deletion here is what the sanitizer builds would catch.
    set.Clear();
    EXPECT_TRUE(set.Empty());
    EXPECT_EQ(set.Walk, nullptr);
    EXPECT_EQ(set.Death, nullptr);
    set.Clear();
}
