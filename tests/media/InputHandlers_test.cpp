#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include "media/DefaultKeyboard.hpp"
#include "media/Logger.hpp"
#include "media/MediaContext.hpp"
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

// Typed names need SDL's characters while the game's keyboard lives.
TEST(TextInput, UnicodeIsOnWhileItLives) {
    SDL_EnableUNICODE(0);
    {
        TextInput input;
        EXPECT_EQ(SDL_EnableUNICODE(-1), 1);
    }
    EXPECT_EQ(SDL_EnableUNICODE(-1), 0);
}

TEST_F(DefaultKeys, EscapeQuitsOnReleaseAltF4OnPressAndOtherKeysAreLeftAlone) {
    struct Press {
        int held; // SDL's modifier state
        int key, mod;
        bool pressed, used, quits;
    } presses[] = {
        {KMOD_NONE, Escape, 0, true, false, false}, {KMOD_NONE, Escape, 0, false, true, true},
        {KMOD_NONE, F4, 0, true, true, false},      {KMOD_RALT, F4, 6, false, true, false},
        {KMOD_RALT, F4, 6, true, true, true},       {KMOD_LALT, KeyA, 5, true, false, false},
        {KMOD_LALT, KeyA, 5, false, false, false},
    };
    for (const Press& p : presses) {
        SCOPED_TRACE(testing::Message() << p.key << (p.pressed ? " pressed" : " released") << " mod " << p.mod);
        window->setExit(false);
        SDL_SetModState(static_cast<SDLMod>(p.held));
        EXPECT_EQ(keyboard.handleKeyEvent(Key(p.key, p.mod, p.key == KeyA ? 'a' : 0), p.pressed), p.used);
        EXPECT_EQ(window->getExit(), p.quits);
        if (p.quits) {
            EXPECT_TRUE(MediaContext::instance().isQuitRequested());
        }
    }
}

TEST_F(DefaultKeys, F11TogglesFullscreenOnPress) {
    const bool before = window->isFullscreen();
    for (bool pressed : {true, false, true})
        EXPECT_TRUE(keyboard.handleKeyEvent(Key(F11, 0, 0), pressed));
    EXPECT_EQ(window->isFullscreen(), before) << "toggled twice";
    EXPECT_TRUE(keyboard.handleKeyEvent(Key(F11, 0, 0), true));
    EXPECT_EQ(window->isFullscreen(), !before);
}
