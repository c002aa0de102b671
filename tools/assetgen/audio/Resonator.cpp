#include "Resonator.hpp"

#include "Signal.hpp"

#include <algorithm>
#include <cmath>

Resonator::Resonator(double freqHz, double tauSeconds) {
    const double w = 2.0 * M_PI * std::clamp(freqHz, 10.0, Signal::kRate * 0.45) / Signal::kRate;
    const double r = std::exp(-1.0 / (std::max(tauSeconds, 1e-4) * Signal::kRate));
    b0_ = std::sin(w);
    a1_ = 2.0 * r * std::cos(w);
    a2_ = -r * r;
}

double Resonator::process(double x) {
    const double y = b0_ * x + a1_ * y1_ + a2_ * y2_;
    y2_ = y1_;
    y1_ = y;
    return y;
}
