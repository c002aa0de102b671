#pragma once

// Trapezoidal state-variable filter: stays stable while its cutoff is swept
// every sample, which the swishes, squelches and the bass rely on.
class Svf {
public:
    enum class Mode { LowPass, BandPass, HighPass };

    explicit Svf(Mode mode, double cutoffHz = 1000.0, double q = 0.707);
    void set(double cutoffHz, double q);
    double process(double x);
    void reset() { ic1_ = ic2_ = 0.0; }

private:
    Mode mode_;
    double g_ = 0.0, k_ = 0.0, a1_ = 0.0, a2_ = 0.0, a3_ = 0.0;
    double ic1_ = 0.0, ic2_ = 0.0;
};
