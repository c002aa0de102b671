#include "media/FramePacer.hpp"

namespace GLINT {
namespace SDL {

namespace {
const std::uint64_t Second = 1000000;
}

FramePacer::FramePacer(unsigned rate, std::uint64_t now) : framerate(rate ? rate : 1), base(now) {}

// Counted from the base each time rather than summed, so no rounding adds up.
std::uint64_t FramePacer::due() const { return base + frames * Second / framerate; }

std::uint64_t FramePacer::wait(std::uint64_t now) const {
    const std::uint64_t at = due();
    return now < at ? at - now : 0;
}

void FramePacer::started(std::uint64_t now) {
    const std::uint64_t at = due();
    if (now > at && now - at > Second / framerate) {
        base = now;
        frames = 1;
    } else {
        ++frames;
    }
}

} // namespace SDL
} // namespace GLINT
