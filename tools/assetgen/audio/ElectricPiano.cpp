#include "ElectricPiano.hpp"

#include "Envelope.hpp"

#include <cmath>

Signal ElectricPiano::note(double hz, double seconds, double velocity) {
    const double release = 0.35;
    Signal out(seconds + release);
    const double detune = std::pow(2.0, 4.0 / 1200.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / Signal::kRate;
        const double index = (0.6 + 2.0 * velocity) * std::exp(-t / 0.25) + 0.3;
        const double w = 2.0 * M_PI * hz * t;
        const double a = std::sin(w + index * std::sin(w));
        const double b = std::sin(w * detune + index * 0.8 * std::sin(w * detune));
        const double tine = std::sin(7.0 * w) * 0.25 * velocity * std::exp(-t / 0.03);
        double amp = Envelope::smoothstep(t / 0.002) * std::exp(-t / 1.8);
        if (t > seconds) amp *= std::exp(-(t - seconds) / 0.07);
        out[i] = static_cast<float>((0.6 * a + 0.4 * b + tine) * amp * velocity);
    }
    out.fade(0.0, 0.01);
    return out;
}
