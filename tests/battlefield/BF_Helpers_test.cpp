#include "battlefield/BF_Helpers.hpp"

#include <gtest/gtest.h>

using GLINT::SDL::Rect;

TEST(BF_Helpers, NumbersAndTextConvertBothWays) {
    EXPECT_EQ(String_To_Int(" -17 "), -17);
    EXPECT_EQ(String_To_Int("12abc"), 12);
    EXPECT_EQ(String_To_Int("abc"), 0);
    // As a stream reads an int: a sign, no second one, nothing out of range.
    EXPECT_EQ(String_To_Int("\t+8"), 8);
    EXPECT_EQ(String_To_Int("+-8"), 0);
    EXPECT_EQ(String_To_Int("2147483647"), 2147483647);
    EXPECT_EQ(String_To_Int("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(String_To_Int("2147483648"), 0);
    EXPECT_EQ(String_To_Int("-99999999999999999999"), 0);
    EXPECT_EQ(Int_To_String(-305), "-305");
}

TEST(BF_Helpers, DurationsNameOnlyTheUnitsReached) {
    EXPECT_EQ(Format_Duration(59), "59s");
    EXPECT_EQ(Format_Duration(60), "1mn 0s");
    EXPECT_EQ(Format_Duration(3599), "59mn 59s");
    EXPECT_EQ(Format_Duration(3600), "1hr 0mn 0s");
    EXPECT_EQ(Format_Duration(3725), "1hr 2mn 5s");
    EXPECT_EQ(Format_Duration(86399), "23hr 59mn 59s");
    EXPECT_EQ(Format_Duration(86400), "1day 0hr 0mn 0s");
    EXPECT_EQ(Format_Duration(90061), "1day 1hr 1mn 1s");
}

TEST(BF_Helpers, RectanglesThatOnlyTouchDoNotOverlap) {
    const Rect a(10, 10, 20, 20);
    EXPECT_TRUE(Check_Rects_Overlap(a, Rect(29, 29, 5, 5)));
    EXPECT_FALSE(Check_Rects_Overlap(a, Rect(30, 10, 5, 5)));  // right edge
    EXPECT_FALSE(Check_Rects_Overlap(a, Rect(10, 30, 5, 5)));  // bottom edge
    EXPECT_FALSE(Check_Rects_Overlap(a, Rect(5, 10, 5, 5)));   // left edge
    EXPECT_FALSE(Check_Rects_Overlap(a, Rect(10, 5, 5, 5)));   // top edge
    EXPECT_TRUE(Check_Rects_Overlap(a, Rect(0, 0, 100, 100))); // surrounds
    EXPECT_TRUE(Check_Rects_Overlap(Rect(0, 0, 100, 100), a));
    // A line of zero height still crosses a rectangle that surrounds it...
    EXPECT_TRUE(Check_Rects_Overlap(Rect(0, 20, 100, 0), a));
    // ...but not one whose edge it lies on.
    EXPECT_FALSE(Check_Rects_Overlap(Rect(0, 10, 100, 0), a));
    // Negative positions are compared as numbers, not as their 16-bit patterns.
    EXPECT_TRUE(Check_Rects_Overlap(Rect(-10, -10, 15, 15), Rect(0, 0, 10, 10)));
    EXPECT_FALSE(Check_Rects_Overlap(Rect(-10, -10, 10, 10), Rect(0, 0, 10, 10)));
}

TEST(BF_Helpers, PointsOnTheCircleAreOutside) {
    EXPECT_TRUE(Check_Point_In_Circle(0, 0, 5, 3, 3));
    EXPECT_FALSE(Check_Point_In_Circle(0, 0, 5, 3, 4));  // exactly on it
    EXPECT_FALSE(Check_Point_In_Circle(0, 0, 5, 5, 0));
    EXPECT_TRUE(Check_Point_In_Circle(100, 100, 1, 100, 100));
    EXPECT_FALSE(Check_Point_In_Circle(100, 100, 0, 100, 100));
}

TEST(BF_Helpers, CircleAndRectangle) {
    const Rect r(100, 100, 50, 50);
    // Centre inside.
    EXPECT_TRUE(Check_Circle_Rect_Overlap(r, 125, 125, 1));
    // Reaching in from the left along the centre line, and touching only.
    EXPECT_TRUE(Check_Circle_Rect_Overlap(r, 90, 125, 11));
    EXPECT_FALSE(Check_Circle_Rect_Overlap(r, 90, 125, 10));
    // From above along the vertical through the centre.
    EXPECT_TRUE(Check_Circle_Rect_Overlap(r, 125, 80, 21));
    // Diagonal from a corner: the bounding squares overlap but the corner is out of reach...
    EXPECT_FALSE(Check_Circle_Rect_Overlap(r, 90, 90, 14));  // 10^2 + 10^2 = 200 >= 196
    // ...until the circle holds the corner.
    EXPECT_TRUE(Check_Circle_Rect_Overlap(r, 90, 90, 15));   // 200 < 225
    // The far corners count too (x + w, y + h).
    EXPECT_TRUE(Check_Circle_Rect_Overlap(r, 160, 160, 15));
    EXPECT_FALSE(Check_Circle_Rect_Overlap(r, 160, 160, 14));
}
