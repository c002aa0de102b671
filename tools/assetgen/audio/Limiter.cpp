#include "Limiter.hpp"

#include "Loudness.hpp"

#include <algorithm>
#include <cmath>
#include <deque>

double Limiter::apply(std::vector<Signal*> channels, double ceiling,
                      double lookaheadSeconds, double releaseSeconds) {
    if (channels.empty()) return 0.0;
    const std::size_t n = channels.front()->size();
    std::vector<double> need(n, 1.0);
    bool over = false;
    for (std::size_t i = 0; i < n; ++i) {
        double p = 0.0;
        for (Signal* c : channels) p = std::max(p, static_cast<double>(std::fabs((*c)[i])));
        if (p > ceiling) {
            need[i] = ceiling / p;
            over = true;
        }
    }
    if (!over) return 0.0;

    const std::size_t radius = std::max<std::size_t>(1, Signal::samplesOf(lookaheadSeconds));
    // Running minimum over [i - radius, i + radius] (monotonic deque).
    std::vector<double> lowest(n, 1.0);
    std::deque<std::size_t> window;
    std::size_t next = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t hi = std::min(n - 1, i + radius);
        for (; next <= hi; ++next) {
            while (!window.empty() && need[window.back()] >= need[next]) window.pop_back();
            window.push_back(next);
        }
        while (window.front() + radius < i) window.pop_front();
        lowest[i] = need[window.front()];
    }
    // A moving average no wider than the minimum's reach stays at or below
    // what every sample needs, and rounds the corners of the gain curve.
    const std::size_t half = radius / 2;
    std::vector<double> gain(n, 1.0);
    double sum = 0.0;
    std::size_t count = 0;
    std::size_t lo = 0, hiNext = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t hi = std::min(n - 1, i + half);
        for (; hiNext <= hi; ++hiNext, ++count) sum += lowest[hiNext];
        const std::size_t wantLo = i > half ? i - half : 0;
        for (; lo < wantLo; ++lo, --count) sum -= lowest[lo];
        gain[i] = sum / static_cast<double>(count);
    }
    // Slow release: the gain may fall at once (already smooth) but rises
    // only at the release rate.
    const double rise = 1.0 - std::exp(-1.0 / (releaseSeconds * Signal::kRate));
    double g = 1.0, deepest = 1.0;
    for (std::size_t i = 0; i < n; ++i) {
        g = std::min(gain[i], g + (1.0 - g) * rise);
        deepest = std::min(deepest, g);
        for (Signal* c : channels) (*c)[i] = static_cast<float>((*c)[i] * g);
    }
    return -Loudness::toDb(deepest);
}
