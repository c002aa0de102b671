#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include "media/Keyboard.hpp"
#include "media/Mouse.hpp"
#include "media/TextInput.hpp"

using namespace GLINT::SDL;

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
