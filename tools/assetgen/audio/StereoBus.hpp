#pragma once

#include "Signal.hpp"

#include <functional>

// The music's two channels, and the ways parts are placed in them.
class StereoBus {
public:
    Signal left;
    Signal right;

    explicit StereoBus(std::size_t samples);
    std::size_t size() const { return left.size(); }

    // pan 0 = left, 0.5 = centre, 1 = right (constant power). Sound running
    // past the end is dropped: the bus is sized with room for tails.
    void add(const Signal& s, std::size_t at, double gain, double pan);
    // As add, with the pan following the song clock (seconds).
    void addPanned(const Signal& s, std::size_t at, double gain, const std::function<double(double)>& pan);
    // A ping-pong echo of a mono send: each repeat swaps sides, darker.
    void addPingPong(const Signal& send, std::size_t delay, double feedback, double gain);
    // Adds everything past loopLength back onto the start and cuts there,
    // so tails ringing over the loop point are heard at its beginning.
    void foldLoop(std::size_t loopLength);
};
