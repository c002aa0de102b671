#include "battlefield/BF_Helpers.hpp"

#include <sstream>

int String_To_Int(const std::string& text) {
    // What reading an int from a stream gives (blanks skipped, a sign, the
    // leading digits; 0 for none or out of range), without building a
    // stream: the map's tens of thousands of numbers come through here.
    const char* p = text.c_str();
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    if (*p < '0' || *p > '9')
        return 0;
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > 2147483648LL)
            return 0;
    }
    value = negative ? -value : value;
    return value > 2147483647LL ? 0 : static_cast<int>(value);
}

std::string Int_To_String(int value) {
    std::ostringstream stream;
    if (!(stream << value))
        return std::string();
    return stream.str();
}

std::string Format_Duration(int seconds) {
    const int days = seconds / 86400;
    const int hours = seconds % 86400 / 3600;
    const int minutes = seconds % 3600 / 60;
    const int rest = seconds % 60;
    std::string text;
    if (seconds >= 86400)
        text += Int_To_String(days) + "day ";
    if (seconds >= 3600)
        text += Int_To_String(hours) + "hr ";
    if (seconds >= 60)
        text += Int_To_String(minutes) + "mn ";
    return text + Int_To_String(rest) + "s";
}

bool Check_Rects_Overlap(const GLINT::SDL::Rect& a, const GLINT::SDL::Rect& b) {
    // Widened to int: a rectangle near the 16-bit limits must not wrap around.
    const int ax = a.getx(), ay = a.gety(), aw = a.getw(), ah = a.geth();
    const int bx = b.getx(), by = b.gety(), bw = b.getw(), bh = b.geth();
    if (ay + ah <= by)
        return false;
    if (ay >= by + bh)
        return false;
    if (ax + aw <= bx)
        return false;
    return ax < bx + bw;
}

bool Check_Point_In_Circle(int centerX, int centerY, int radius, int pointX, int pointY) {
    const long long dx = centerX - pointX;
    const long long dy = centerY - pointY;
    const long long r = radius;
    return dx * dx + dy * dy < r * r;
}

GLINT::SDL::Rect Make_Rect(int x, int y, int w, int h) {
    return GLINT::SDL::Rect(static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w < 0 ? 0 : w),
                            static_cast<Uint16>(h < 0 ? 0 : h));
}

bool Check_Circle_Rect_Overlap(const GLINT::SDL::Rect& rect, int centerX, int centerY, int radius) {
    if (!Check_Rects_Overlap(Make_Rect(centerX - radius, centerY - radius, 2 * radius, 2 * radius), rect))
        return false;
    if (Check_Rects_Overlap(Make_Rect(centerX - radius, centerY, 2 * radius, 0), rect))
        return true;
    if (Check_Rects_Overlap(Make_Rect(centerX, centerY - radius, 0, 2 * radius), rect))
        return true;
    const int x = rect.getx(), y = rect.gety(), w = rect.getw(), h = rect.geth();
    return Check_Point_In_Circle(centerX, centerY, radius, x, y) ||
           Check_Point_In_Circle(centerX, centerY, radius, x + w, y) ||
           Check_Point_In_Circle(centerX, centerY, radius, x, y + h) ||
           Check_Point_In_Circle(centerX, centerY, radius, x + w, y + h);
}
