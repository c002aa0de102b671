#pragma once

#include "media/Point.hpp"

namespace GLINT {
namespace SDL {

class Rect : public Point {
public:
    Rect();
    Rect(Sint16 x, Sint16 y, Uint16 w, Uint16 h);
    // A size, at (0, 0).
    Rect(Uint16 w, Uint16 h);
    Rect(const Point& position, Uint16 w, Uint16 h);
    Rect(const Rect& other);
    Rect& operator=(const Rect& other);

    Uint16 getw() const { return rect.w; }
    Uint16 geth() const { return rect.h; }
    void setw(Uint16 w) { rect.w = w; }
    void seth(Uint16 h) { rect.h = h; }

    bool operator==(const Rect& other) const;
};

} // namespace SDL
} // namespace GLINT
