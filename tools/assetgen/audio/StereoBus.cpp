#include "StereoBus.hpp"

#include <algorithm>
#include <cmath>

StereoBus::StereoBus(std::size_t samples)
    : left(Signal::ofSamples(samples)), right(Signal::ofSamples(samples)) {}

void StereoBus::add(const Signal& s, std::size_t at, double gain, double pan) {
    const double a = std::clamp(pan, 0.0, 1.0) * M_PI * 0.5;
    const float gl = static_cast<float>(gain * std::cos(a) * M_SQRT2);
    const float gr = static_cast<float>(gain * std::sin(a) * M_SQRT2);
    const std::size_t end = std::min(size(), at + s.size());
    for (std::size_t i = at; i < end; ++i) {
        left[i] += s[i - at] * gl;
        right[i] += s[i - at] * gr;
    }
}

void StereoBus::addPanned(const Signal& s, std::size_t at, double gain,
                          const std::function<double(double)>& pan) {
    const std::size_t end = std::min(size(), at + s.size());
    for (std::size_t i = at; i < end; ++i) {
        const double a = std::clamp(pan(static_cast<double>(i) / Signal::kRate), 0.0, 1.0) * M_PI * 0.5;
        left[i] += static_cast<float>(s[i - at] * gain * std::cos(a) * M_SQRT2);
        right[i] += static_cast<float>(s[i - at] * gain * std::sin(a) * M_SQRT2);
    }
}

void StereoBus::addPingPong(const Signal& send, std::size_t delay, double feedback, double gain) {
    const std::size_t n = std::min(size(), send.size());
    std::vector<double> l(n, 0.0), r(n, 0.0);
    double lowL = 0.0, lowR = 0.0;
    // The left line is fed by the send, the right one by the left's output.
    for (std::size_t i = delay; i < n; ++i) {
        const double inL = send[i - delay] + feedback * r[i - delay];
        const double inR = l[i - delay];
        lowL += 0.35 * (inL - lowL);
        lowR += 0.35 * (inR - lowR);
        l[i] = lowL;
        r[i] = lowR;
    }
    for (std::size_t i = 0; i < n; ++i) {
        left[i] += static_cast<float>(l[i] * gain);
        right[i] += static_cast<float>(r[i] * gain);
    }
}

void StereoBus::foldLoop(std::size_t loopLength) {
    for (Signal* c : {&left, &right}) {
        for (std::size_t i = loopLength; i < c->size(); ++i) (*c)[i % loopLength] += (*c)[i];
        c->resize(loopLength);
    }
}
