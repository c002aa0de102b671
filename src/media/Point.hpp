#pragma once

#include <SDL/SDL_video.h>

namespace GLINT {
namespace SDL {

// A position on a surface, kept in an SDL rectangle record so that Rect can
// hand the same record to SDL without copying.
class Point {
public:
    Point(Sint16 x = 0, Sint16 y = 0);
    Point(const Point& other);
    virtual ~Point() = default;
    Point& operator=(const Point& other);

    Sint16 getx() const { return rect.x; }
    Sint16 gety() const { return rect.y; }
    void setx(Sint16 x) { rect.x = x; }
    void sety(Sint16 y) { rect.y = y; }

    Point operator+(const Point& other) const;
    Point operator-(const Point& other) const;
    bool operator==(const Point& other) const;
    bool operator!=(const Point& other) const { return !(*this == other); }

    SDL_Rect* get_SDL() { return &rect; }
    const SDL_Rect* get_SDL() const { return &rect; }

protected:
    SDL_Rect rect;
};

} // namespace SDL
} // namespace GLINT
