#pragma once

#include <string>

#include "media/Rect.hpp"

// Small conversions and geometry tests shared by the battlefield, the
// characters, the AI and the interface.

// The leading int of text; 0 when there is none.
int String_To_Int(const std::string& text);
std::string Int_To_String(int value);

// "59s", "1mn 0s", "1hr 2mn 5s", "1day 0hr 0mn 0s": the victory window's time.
std::string Format_Duration(int seconds);

// A rectangle from plain ints; a negative width or height is taken as 0.
GLINT::SDL::Rect Make_Rect(int x, int y, int w, int h);

// Strict overlap: rectangles that only touch do not overlap.
bool Check_Rects_Overlap(const GLINT::SDL::Rect& a, const GLINT::SDL::Rect& b);
bool Check_Point_In_Circle(int centerX, int centerY, int radius, int pointX, int pointY);
bool Check_Circle_Rect_Overlap(const GLINT::SDL::Rect& rect, int centerX, int centerY, int radius);
