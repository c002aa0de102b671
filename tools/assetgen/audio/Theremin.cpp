#include "Theremin.hpp"

#include <algorithm>
#include <cmath>

Signal Theremin::line(const std::vector<Note>& notes, double totalSeconds) {
    Signal out(totalSeconds);
    const double glide = 1.0 - std::exp(-1.0 / (0.03 * Signal::kRate));
    const double attack = 1.0 - std::exp(-1.0 / (0.03 * Signal::kRate));
    const double release = 1.0 - std::exp(-1.0 / (0.08 * Signal::kRate));
    std::vector<double> logHzOf;
    for (const Note& n : notes) logHzOf.push_back(std::log(440.0) + (n.midi - 69) * std::log(2.0) / 12.0);
    double logHz = notes.empty() ? std::log(440.0) : logHzOf[0];
    double onset = notes.empty() ? 0.0 : notes[0].start;
    double amp = 0.0, phase = 0.0, tone = 0.0;
    std::size_t current = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / Signal::kRate;
        while (current + 1 < notes.size() && t >= notes[current + 1].start) {
            ++current;
            onset = notes[current].start;
        }
        double target = 0.0;
        if (!notes.empty()) {
            const Note& n = notes[current];
            if (t >= n.start && t < n.start + n.seconds) target = n.velocity;
            if (t >= n.start) logHz += (logHzOf[current] - logHz) * glide;
        }
        amp += (target - amp) * (target > amp ? attack : release);
        if (amp < 1e-5 && target == 0.0) {
            amp = 0.0;
            continue;
        }
        const double bloom = std::min(1.0, std::max(0.0, (t - onset - 0.15) / 0.35));
        const double vib = 1.0 + 0.007 * bloom * std::sin(2.0 * M_PI * 5.5 * t);
        phase += std::exp(logHz) * vib / Signal::kRate;
        phase -= std::floor(phase);
        const double w = 2.0 * M_PI * phase;
        const double v = std::sin(w) + 0.15 * std::sin(2.0 * w) + 0.08 * std::sin(3.0 * w);
        tone += 0.5 * (v - tone);
        out[i] = static_cast<float>(tone * amp);
    }
    return out;
}
