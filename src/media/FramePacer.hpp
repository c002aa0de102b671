#pragma once

#include <cstdint>

namespace GLINT {
namespace SDL {

// When the main loop's next refresh is due, in microseconds of a steady clock.
//
// Refreshes are due a whole number of intervals after a base, so the fraction
// in 1000 / framerate ms never drifts and a frame that starts a little late
// does not delay the ones after it. A refresh that starts more than an
// interval late moves the base to itself: after a stall the game goes on at
// its pace instead of racing through the frames it missed.
class FramePacer {
public:
    // Rates below 1 count as 1. The first refresh is due one interval after now.
    FramePacer(unsigned framerate, std::uint64_t now);

    std::uint64_t due() const;
    // Microseconds from now until the next refresh is due; 0 when it is late.
    std::uint64_t wait(std::uint64_t now) const;
    // A refresh starts at now.
    void started(std::uint64_t now);

private:
    std::uint64_t framerate;
    std::uint64_t base;
    std::uint64_t frames = 1;
};

} // namespace SDL
} // namespace GLINT
