#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include "media/DefaultKeyboard.hpp"
#include "media/Keyboard.hpp"
#include "media/Logger.hpp"
#include "media/MediaContext.hpp"
#include "media/Mouse.hpp"
#include "media/TextInput.hpp"
#include "media/Window.hpp"

using namespace GLINT::SDL;

namespace {

const int Escape = 6, KeyA = 45, F4 = 197, F11 = 204;

// A fresh window for each test; the quit request shows as the window's exit flag.
// Creating the media context switches the media log's console output off;
// tests that read the log from the console expect it on, so it is put back.
class DefaultKeys : public ::testing::Test {
protected:
    void SetUp() override {
        logToConsole = MediaLog.toConsole();
        ASSERT_TRUE(MediaContext::instance().InitVideo(false, false, true, false));
        window = MediaContext::instance().getWindow();
        ASSERT_NE(window, nullptr);
        window->setExit(false);
    }

    void TearDown() override {
        SDL_SetModState(KMOD_NONE);
        if (window)
            window->setExit(false);
        MediaLog.setConsole(logToConsole);
    }

    bool logToConsole = true;
    DefaultKeyboard keyboard;
    Window* window = nullptr;
};

} // namespace

TEST(InputHandlers, BaseHandlersLeaveEventsUnused) {
    Keyboard keyboard;
    Mouse mouse;
    EXPECT_FALSE(keyboard.handleKeyEvent(Key(6, 0, 0), true));
    EXPECT_FALSE(mouse.handleMouseButtonEvent(1, 10, 10, true));
    EXPECT_FALSE(mouse.handleMouseMotionEvent(true, 10, 10, 1, 1));
}

TEST(TextInput, UnicodeIsOnWhileItLives) {
    SDL_EnableUNICODE(0);
    {
        TextInput input;
        EXPECT_EQ(SDL_EnableUNICODE(-1), 1);
    }
    EXPECT_EQ(SDL_EnableUNICODE(-1), 0);
}

TEST(TextInput, EchoesAsciiPresses) {
    TextInput input;

    testing::internal::CaptureStdout();
    EXPECT_TRUE(input.handleKeyEvent(Key(45, 0, 'a'), true));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "unicode char : a\n");

    testing::internal::CaptureStdout();
    EXPECT_FALSE(input.handleKeyEvent(Key(45, 0, 'a'), false));
    EXPECT_FALSE(input.handleKeyEvent(Key(0, 0, 0x00E9), true));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(DefaultKeys, EscapeQuitsOnReleaseOnly) {
    EXPECT_FALSE(keyboard.handleKeyEvent(Key(Escape, 0, 27), true));
    EXPECT_FALSE(window->getExit());
    EXPECT_TRUE(keyboard.handleKeyEvent(Key(Escape, 0, 27), false));
    EXPECT_TRUE(window->getExit());
    EXPECT_TRUE(MediaContext::instance().isQuitRequested());
}

TEST_F(DefaultKeys, AltF4Quits) {
    EXPECT_TRUE(keyboard.handleKeyEvent(Key(F4, 0, 0), true));
    EXPECT_FALSE(window->getExit());

    SDL_SetModState(KMOD_RALT);
    EXPECT_TRUE(keyboard.handleKeyEvent(Key(F4, 6, 0), false));
    EXPECT_FALSE(window->getExit());
    EXPECT_TRUE(keyboard.handleKeyEvent(Key(F4, 6, 0), true));
    EXPECT_TRUE(window->getExit());
}

TEST_F(DefaultKeys, F11TogglesFullscreenOnPress) {
    const bool before = window->isFullscreen();
    EXPECT_TRUE(keyboard.handleKeyEvent(Key(F11, 0, 0), true));
    EXPECT_EQ(window->isFullscreen(), !before);
    EXPECT_TRUE(keyboard.handleKeyEvent(Key(F11, 0, 0), false));
    EXPECT_EQ(window->isFullscreen(), !before);
    EXPECT_TRUE(keyboard.handleKeyEvent(Key(F11, 0, 0), true));
    EXPECT_EQ(window->isFullscreen(), before);
}

TEST_F(DefaultKeys, OtherKeysAreLeftAlone) {
    SDL_SetModState(KMOD_LALT);
    EXPECT_FALSE(keyboard.handleKeyEvent(Key(KeyA, 5, 'a'), true));
    EXPECT_FALSE(keyboard.handleKeyEvent(Key(KeyA, 5, 'a'), false));
    EXPECT_FALSE(window->getExit());
}
