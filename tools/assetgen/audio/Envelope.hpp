#pragma once

#include <utility>
#include <vector>

// Shapes over time (seconds) used by every recipe: amplitudes, pitches and
// filter sweeps are all written as these curves.
class Envelope {
public:
    // e^(-t/tau) from t = 0; 0 before.
    static double decay(double t, double tau);
    // A smooth rise over attack seconds, then e^(-t/tau).
    static double attackDecay(double t, double attack, double tau);
    // Exponential approach from `from` towards `to`.
    static double glide(double t, double from, double to, double tau);
    // 0 outside [start, end], a smooth hump peaking at `top`.
    static double bell(double t, double start, double top, double end);
    // Linear between (time, value) points, held flat beyond the ends.
    static double points(double t, const std::vector<std::pair<double, double>>& pts);
    // Geometric between (time, value) points: right for pitches and cutoffs.
    static double logPoints(double t, const std::vector<std::pair<double, double>>& pts);
    static double smoothstep(double x);
};
