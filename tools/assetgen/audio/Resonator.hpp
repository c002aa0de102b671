#pragma once

// One ringing mode of a struck body (wood, bone, metal): an impulse of height
// a comes out as a * e^(-t/tau) * sin(2 pi f t).
class Resonator {
public:
    Resonator(double freqHz, double tauSeconds);
    double process(double x);

private:
    double b0_, a1_, a2_;
    double y1_ = 0.0, y2_ = 0.0;
};
