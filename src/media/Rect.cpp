#include "media/Rect.hpp"

namespace GLINT {
namespace SDL {

Rect::Rect(Sint16 x, Sint16 y, Uint16 w, Uint16 h) : Point(x, y) {
    rect.w = w;
    rect.h = h;
}

Rect::Rect() : Rect(0, 0, 0, 0) {}

Rect::Rect(Uint16 w, Uint16 h) : Rect(0, 0, w, h) {}

Rect::Rect(const Point& position, Uint16 w, Uint16 h) : Rect(position.getx(), position.gety(), w, h) {}

Rect::Rect(const Rect& other) : Point(other) {
    rect.w = other.rect.w;
    rect.h = other.rect.h;
}

Rect& Rect::operator=(const Rect& other) {
    rect = other.rect;
    return *this;
}

bool Rect::operator==(const Rect& other) const {
    return Point::operator==(other) && rect.w == other.rect.w && rect.h == other.rect.h;
}

} // namespace SDL
} // namespace GLINT
