#include "Voice.hpp"

#include "Svf.hpp"

#include <cmath>

Signal Voice::sing(Random& rng, const Shape& shape) {
    Signal out(shape.seconds);
    for (int layer = 0; layer < shape.layers; ++layer) {
        const double spread = shape.layers > 1 ? static_cast<double>(layer) / (shape.layers - 1) - 0.5 : 0.0;
        const double ratio = 1.0 + shape.detune * spread * 2.0;
        const double vibPhase = rng.unit();
        Svf f1(Svf::Mode::BandPass), f2(Svf::Mode::BandPass), f3(Svf::Mode::BandPass);
        Svf wander(Svf::Mode::LowPass, 6.0, 0.7);
        double phase = rng.unit(), sub = 0.0, tilt = 0.0;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = static_cast<double>(i) / Signal::kRate;
            if ((i & 7) == 0) {
                const double a = shape.f1(t), b = shape.f2(t), c = shape.f3(t);
                f1.set(a, a / 90.0);
                f2.set(b, b / 120.0);
                f3.set(c, c / 180.0);
            }
            const double drift = wander.process(rng.bipolar()) * 40.0 * shape.jitter;
            const double vib = std::sin(2.0 * M_PI * (shape.vibratoRate * t + vibPhase)) * shape.vibratoDepth;
            const double hz = shape.pitch(t) * ratio * (1.0 + vib + drift);
            const double step = hz / Signal::kRate;
            double src = Synth::saw(phase, step);
            phase += step;
            phase -= std::floor(phase);
            sub += step * 0.5;
            sub -= std::floor(sub);
            src *= 1.0 - shape.roughness * 0.5 * (1.0 + std::cos(2.0 * M_PI * sub));
            // The glottis rolls the buzz off; a one-pole low-pass does it.
            tilt += 0.25 * (src - tilt);
            const double br = shape.breath(t);
            const double x = tilt * (1.0 - br) + rng.bipolar() * br * 0.8;
            const double y = f1.process(x) + 0.6 * f2.process(x) + 0.3 * f3.process(x);
            out[i] += static_cast<float>(y * shape.amp(t) / shape.layers);
        }
    }
    // Formant filters pass only a little of the buzz; a known peak lets the
    // recipes balance a cry against the rest in plain gains.
    const double p = out.peak();
    if (p > 0.0) out.scale(0.9 / p);
    return out;
}
