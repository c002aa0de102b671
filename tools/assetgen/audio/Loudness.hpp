#pragma once

#include "Signal.hpp"

#include <cstddef>
#include <vector>

// Level figures shared by the generator (to normalise) and the checker (to
// verify): peak, and RMS over the "active" part, i.e. the 10 ms windows no
// more than 30 dB below the loudest one, so leading and trailing quiet does
// not drag a short effect down.
class Loudness {
public:
    struct Level {
        double peakDb;
        double rmsDb;
        double activeSeconds;
    };

    static constexpr double kWindowSeconds = 0.010;
    static constexpr double kGateDb = 30.0;
    static constexpr double kSilenceDb = -120.0;

    // Interleaved samples in [-1, 1]; windows and peaks span all channels.
    static Level measure(const std::vector<float>& samples, int channels, int rate);
    static Level measure(const Signal& s) { return measure(s.data(), 1, Signal::kRate); }
    static double toDb(double amplitude);
    static double fromDb(double db);

    // Brings the active RMS to targetDb, with the peak held under ceilingDb
    // by a look-ahead limiter where the two disagree.
    static void normalise(Signal& s, double targetDb, double ceilingDb);
    static void normalise(std::vector<Signal*> channels, double targetDb, double ceilingDb);
};
