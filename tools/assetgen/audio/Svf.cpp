#include "Svf.hpp"

#include "Signal.hpp"

#include <algorithm>
#include <cmath>

Svf::Svf(Mode mode, double cutoffHz, double q) : mode_(mode) { set(cutoffHz, q); }

void Svf::set(double cutoffHz, double q) {
    const double f = std::clamp(cutoffHz, 10.0, Signal::kRate * 0.45);
    g_ = std::tan(M_PI * f / Signal::kRate);
    k_ = 1.0 / std::max(q, 0.05);
    a1_ = 1.0 / (1.0 + g_ * (g_ + k_));
    a2_ = g_ * a1_;
    a3_ = g_ * a2_;
}

double Svf::process(double x) {
    const double v3 = x - ic2_;
    const double v1 = a1_ * ic1_ + a2_ * v3;
    const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    switch (mode_) {
    case Mode::LowPass: return v2;
    // Scaled by k so the peak gain is 1 whatever the Q.
    case Mode::BandPass: return k_ * v1;
    case Mode::HighPass: return x - k_ * v1 - v2;
    }
    return v2;
}
