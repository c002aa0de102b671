#include "Synth.hpp"

#include "Envelope.hpp"
#include "Resonator.hpp"

#include <algorithm>
#include <cmath>

Signal Synth::noise(Random& rng, double seconds) {
    Signal s(seconds);
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<float>(rng.bipolar());
    return s;
}

Signal Synth::filter(const Signal& in, Svf::Mode mode, const Curve& cutoff, double q) {
    Svf f(mode, cutoff(0.0), q);
    Signal out = Signal::ofSamples(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        // Recomputing the coefficients every 8 samples is smooth enough.
        if ((i & 7) == 0) f.set(cutoff(static_cast<double>(i) / Signal::kRate), q);
        out[i] = static_cast<float>(f.process(in[i]));
    }
    return out;
}

void Synth::shape(Signal& s, const Curve& amp) {
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] *= static_cast<float>(amp(static_cast<double>(i) / Signal::kRate));
}

Signal Synth::filteredNoise(Random& rng, double seconds, Svf::Mode mode,
                            const Curve& cutoff, double q, const Curve& amp) {
    Signal s = filter(noise(rng, seconds), mode, cutoff, q);
    shape(s, amp);
    return s;
}

Signal Synth::sine(double seconds, const Curve& freq, const Curve& amp) {
    Signal s(seconds);
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / Signal::kRate;
        s[i] = static_cast<float>(std::sin(2.0 * M_PI * phase) * amp(t));
        phase += freq(t) / Signal::kRate;
        phase -= std::floor(phase);
    }
    return s;
}

Signal Synth::ring(const Signal& excitation, const std::vector<Mode>& modes, double seconds) {
    Signal out(seconds);
    for (const Mode& m : modes) {
        Resonator r(m.freq, m.tau);
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double x = i < excitation.size() ? excitation[i] : 0.0;
            out[i] += static_cast<float>(r.process(x) * m.gain);
        }
    }
    return out;
}

Signal Synth::strike(Random& rng, const std::vector<Mode>& modes, double seconds,
                     double clickSeconds) {
    Signal hit(clickSeconds + 0.001);
    hit[0] = 1.0f;
    for (std::size_t i = 1; i < hit.size(); ++i) {
        const double t = static_cast<double>(i) / Signal::kRate;
        hit[i] = static_cast<float>(rng.bipolar() * 0.5 * Envelope::decay(t, clickSeconds * 0.35));
    }
    return ring(hit, modes, seconds);
}

Signal Synth::bubble(double freq, double rise, double tau, double amp) {
    return sine(tau * 6.0, [=](double t) { return freq * (1.0 + rise * t / tau); },
                [=](double t) { return amp * Envelope::attackDecay(t, 0.002, tau); });
}

Signal Synth::pluck(Random& rng, const Curve& freq, double seconds, double brightness) {
    // The longest period the bend reaches sizes the delay line.
    const std::size_t maxDelay = Signal::kRate / 30;
    std::vector<double> line(maxDelay + 2, 0.0);
    const double d0 = Signal::kRate / freq(0.0);
    // The initial string shape: noise smoothed by the brightness.
    double lp = 0.0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(d0) && i < line.size(); ++i) {
        lp += brightness * (rng.bipolar() - lp);
        line[i] = lp;
    }
    Signal out(seconds);
    std::size_t write = static_cast<std::size_t>(d0);
    double prev = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / Signal::kRate;
        const double delay = std::min(static_cast<double>(maxDelay), Signal::kRate / freq(t));
        double readPos = static_cast<double>(write) - delay;
        while (readPos < 0.0) readPos += static_cast<double>(line.size());
        const std::size_t a = static_cast<std::size_t>(readPos) % line.size();
        const std::size_t b = (a + 1) % line.size();
        const double frac = readPos - std::floor(readPos);
        const double cur = line[a] * (1.0 - frac) + line[b] * frac;
        // Averaging two samples is the string's loss; 0.996 its damping.
        const double y = 0.996 * (0.5 * (cur + prev));
        prev = cur;
        line[write % line.size()] = y;
        write = (write + 1) % line.size();
        out[i] = static_cast<float>(cur);
    }
    return out;
}

double Synth::saw(double phase, double step) {
    double v = 2.0 * phase - 1.0;
    // PolyBLEP corrections around the jump.
    if (phase < step) {
        const double x = phase / step;
        v -= x + x - x * x - 1.0;
    } else if (phase > 1.0 - step) {
        const double x = (phase - 1.0) / step;
        v -= x * x + x + x + 1.0;
    }
    return v;
}

void Synth::scatter(Signal& out, Random& rng, int n, double start, double end,
                    const Curve& density,
                    const std::function<Signal(Random&, double)>& grain) {
    // Grains never lengthen the signal: its length is the recipe's.
    const std::size_t length = out.size();
    int placed = 0;
    for (int tries = 0; placed < n && tries < n * 200; ++tries) {
        const double t = rng.range(start, end);
        if (rng.unit() > density(t)) continue;
        out.mix(grain(rng, t), t);
        ++placed;
    }
    out.resize(length);
}

Signal Synth::thud(double from, double to, double tau, double seconds) {
    return sine(seconds, [=](double t) { return Envelope::glide(t, from, to, tau * 0.5); },
                [=](double t) { return Envelope::attackDecay(t, 0.0015, tau); });
}

Signal Synth::burst(Random& rng, double seconds, Svf::Mode mode, double cutoff, double q,
                    double attack, double tau) {
    return filteredNoise(rng, seconds, mode, [=](double) { return cutoff; }, q,
                         [=](double t) { return Envelope::attackDecay(t, attack, tau); });
}

Signal Synth::flutter(Random& rng, double seconds, double rateHz) {
    Signal s = filter(noise(rng, seconds), Svf::Mode::LowPass, [=](double) { return rateHz; }, 0.7);
    const double p = s.peak();
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<float>(std::fabs(s[i]) / (p > 0 ? p : 1.0));
    return s;
}
