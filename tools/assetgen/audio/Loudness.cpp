#include "Loudness.hpp"

#include "Limiter.hpp"

#include <algorithm>
#include <cmath>

double Loudness::toDb(double amplitude) {
    return amplitude <= 1e-6 ? kSilenceDb : 20.0 * std::log10(amplitude);
}

double Loudness::fromDb(double db) {
    return std::pow(10.0, db / 20.0);
}

Loudness::Level Loudness::measure(const std::vector<float>& samples, int channels, int rate) {
    const std::size_t frames = samples.size() / static_cast<std::size_t>(channels);
    const std::size_t win = std::max<std::size_t>(1, static_cast<std::size_t>(rate * kWindowSeconds));
    std::vector<double> energy;
    double peak = 0.0;
    for (std::size_t start = 0; start < frames; start += win) {
        const std::size_t end = std::min(frames, start + win);
        double sum = 0.0;
        for (std::size_t i = start * channels; i < end * channels; ++i) {
            const double v = samples[i];
            sum += v * v;
            peak = std::max(peak, std::fabs(v));
        }
        energy.push_back(sum / static_cast<double>((end - start) * channels));
    }
    Level level{toDb(peak), kSilenceDb, 0.0};
    if (energy.empty()) return level;
    const double loudest = *std::max_element(energy.begin(), energy.end());
    if (loudest <= 0.0) return level;
    const double gate = loudest * std::pow(10.0, -kGateDb / 10.0);
    double sum = 0.0;
    std::size_t used = 0;
    for (double e : energy) {
        if (e >= gate) {
            sum += e;
            ++used;
        }
    }
    level.rmsDb = 10.0 * std::log10(sum / static_cast<double>(used));
    level.activeSeconds = static_cast<double>(used * win) / rate;
    return level;
}

void Loudness::normalise(Signal& s, double targetDb, double ceilingDb) {
    normalise(std::vector<Signal*>{&s}, targetDb, ceilingDb);
}

void Loudness::normalise(std::vector<Signal*> channels, double targetDb, double ceilingDb) {
    if (channels.empty()) return;
    const double ceiling = fromDb(ceilingDb);
    // Limiting lowers the RMS a little, so aim again a few times.
    for (int pass = 0; pass < 6; ++pass) {
        std::vector<float> inter;
        const std::size_t n = channels.front()->size();
        inter.reserve(n * channels.size());
        for (std::size_t i = 0; i < n; ++i)
            for (Signal* c : channels) inter.push_back((*c)[i]);
        const Level level = measure(inter, static_cast<int>(channels.size()), Signal::kRate);
        if (level.rmsDb <= kSilenceDb) return;
        const double error = targetDb - level.rmsDb;
        if (std::fabs(error) < 0.05 && level.peakDb <= ceilingDb + 1e-6) return;
        for (Signal* c : channels) c->scale(fromDb(error));
        Limiter::apply(channels, ceiling);
    }
}
