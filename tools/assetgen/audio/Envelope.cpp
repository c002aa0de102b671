#include "Envelope.hpp"

#include <algorithm>
#include <cmath>

double Envelope::decay(double t, double tau) {
    return t < 0.0 ? 0.0 : std::exp(-t / tau);
}

double Envelope::smoothstep(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

double Envelope::attackDecay(double t, double attack, double tau) {
    if (t < 0.0) return 0.0;
    if (t < attack) return smoothstep(t / attack);
    return std::exp(-(t - attack) / tau);
}

double Envelope::glide(double t, double from, double to, double tau) {
    return to + (from - to) * std::exp(-std::max(t, 0.0) / tau);
}

double Envelope::bell(double t, double start, double top, double end) {
    if (t <= start || t >= end) return 0.0;
    if (t < top) return smoothstep((t - start) / (top - start));
    return smoothstep((end - t) / (end - top));
}

double Envelope::points(double t, const std::vector<std::pair<double, double>>& pts) {
    if (pts.empty()) return 0.0;
    if (t <= pts.front().first) return pts.front().second;
    for (std::size_t i = 1; i < pts.size(); ++i) {
        if (t < pts[i].first) {
            const auto& a = pts[i - 1];
            const auto& b = pts[i];
            return a.second + (b.second - a.second) * (t - a.first) / (b.first - a.first);
        }
    }
    return pts.back().second;
}

double Envelope::logPoints(double t, const std::vector<std::pair<double, double>>& pts) {
    if (pts.empty()) return 0.0;
    if (t <= pts.front().first) return pts.front().second;
    for (std::size_t i = 1; i < pts.size(); ++i) {
        if (t < pts[i].first) {
            const auto& a = pts[i - 1];
            const auto& b = pts[i];
            const double x = (t - a.first) / (b.first - a.first);
            return a.second * std::pow(b.second / a.second, x);
        }
    }
    return pts.back().second;
}
