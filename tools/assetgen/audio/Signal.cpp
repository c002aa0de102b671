#include "Signal.hpp"

#include <algorithm>
#include <cmath>

Signal::Signal(double seconds) : s_(samplesOf(seconds), 0.0f) {}

Signal Signal::ofSamples(std::size_t count) {
    Signal s;
    s.s_.assign(count, 0.0f);
    return s;
}

std::size_t Signal::samplesOf(double seconds) {
    return seconds <= 0.0 ? 0 : static_cast<std::size_t>(std::lround(seconds * kRate));
}

void Signal::mix(const Signal& other, double atSeconds, double gain) {
    mixAtSample(other, samplesOf(atSeconds), gain);
}

void Signal::mixAtSample(const Signal& other, std::size_t at, double gain) {
    if (at + other.size() > s_.size()) s_.resize(at + other.size(), 0.0f);
    const float g = static_cast<float>(gain);
    for (std::size_t i = 0; i < other.size(); ++i) s_[at + i] += other.s_[i] * g;
}

void Signal::scale(double gain) {
    const float g = static_cast<float>(gain);
    for (float& v : s_) v *= g;
}

void Signal::fade(double inSeconds, double outSeconds) {
    const std::size_t n = s_.size();
    const std::size_t in = std::min(n, samplesOf(inSeconds));
    const std::size_t out = std::min(n, samplesOf(outSeconds));
    for (std::size_t i = 0; i < in; ++i) {
        const double x = static_cast<double>(i) / in;
        s_[i] *= static_cast<float>(0.5 - 0.5 * std::cos(M_PI * x));
    }
    for (std::size_t i = 0; i < out; ++i) {
        const double x = static_cast<double>(i + 1) / out;
        s_[n - out + i] *= static_cast<float>(0.5 + 0.5 * std::cos(M_PI * x));
    }
}

double Signal::peak() const {
    float p = 0.0f;
    for (float v : s_) p = std::max(p, std::fabs(v));
    return p;
}
