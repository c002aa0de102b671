#include "media/Point.hpp"

namespace GLINT {
namespace SDL {

Point::Point(Sint16 x, Sint16 y) : rect() {
    rect.x = x;
    rect.y = y;
}

Point::Point(const Point& other) : rect() {
    rect.x = other.rect.x;
    rect.y = other.rect.y;
}

Point& Point::operator=(const Point& other) {
    rect.x = other.rect.x;
    rect.y = other.rect.y;
    return *this;
}

Point Point::operator+(const Point& other) const {
    return Point(static_cast<Sint16>(rect.x + other.rect.x), static_cast<Sint16>(rect.y + other.rect.y));
}

Point Point::operator-(const Point& other) const {
    return Point(static_cast<Sint16>(rect.x - other.rect.x), static_cast<Sint16>(rect.y - other.rect.y));
}

bool Point::operator==(const Point& other) const {
    return rect.x == other.rect.x && rect.y == other.rect.y;
}

} // namespace SDL
} // namespace GLINT
