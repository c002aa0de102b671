#include "BassSynth.hpp"

#include "Envelope.hpp"
#include "Svf.hpp"
#include "Synth.hpp"

#include <cmath>

Signal BassSynth::note(double hz, double seconds, double velocity, bool dead) {
    const double hold = dead ? 0.045 : seconds;
    const double release = dead ? 0.015 : 0.04;
    Signal out(hold + release + 0.01);
    Svf lp(Svf::Mode::LowPass);
    double phase = 0.0, sub = 0.0;
    const double step = hz / Signal::kRate;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / Signal::kRate;
        if ((i & 7) == 0) {
            const double sweep = dead ? 250.0 : 1700.0 * velocity;
            lp.set(170.0 + sweep * std::exp(-t / 0.09) + 2.0 * hz, 1.8);
        }
        const double osc = 0.6 * Synth::saw(phase, step) + 0.5 * std::sin(2.0 * M_PI * sub);
        phase += step;
        phase -= std::floor(phase);
        sub += step;
        sub -= std::floor(sub);
        double amp = Envelope::smoothstep(t / 0.003) * (0.75 + 0.25 * std::exp(-t / 0.12));
        if (t > hold) amp *= std::exp(-(t - hold) / (release * 0.3));
        out[i] = static_cast<float>(lp.process(osc) * amp * velocity);
    }
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = static_cast<float>(std::tanh(1.5 * out[i]) / std::tanh(1.5));
    out.fade(0.0, 0.005);
    return out;
}
