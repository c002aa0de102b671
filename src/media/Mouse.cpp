#include "media/Mouse.hpp"

namespace GLINT {
namespace SDL {

Mouse::~Mouse() {}

bool Mouse::handleMouseMotionEvent(bool, int, int, int, int) {
    return false;
}

bool Mouse::handleMouseButtonEvent(int, int, int, bool) {
    return false;
}

} // namespace SDL
} // namespace GLINT
