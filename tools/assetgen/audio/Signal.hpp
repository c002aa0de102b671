#pragma once

#include <cstddef>
#include <vector>

// One mono channel of audio at the game's mixing rate, as floats in [-1, 1].
class Signal {
public:
    static constexpr int kRate = 44100;

    Signal() = default;
    explicit Signal(double seconds);
    static Signal ofSamples(std::size_t count);

    std::size_t size() const { return s_.size(); }
    double seconds() const { return static_cast<double>(s_.size()) / kRate; }
    float& operator[](std::size_t i) { return s_[i]; }
    float operator[](std::size_t i) const { return s_[i]; }
    std::vector<float>& data() { return s_; }
    const std::vector<float>& data() const { return s_; }
    void resize(std::size_t count) { s_.resize(count, 0.0f); }

    // Adds other * gain starting at the given time, growing this as needed.
    void mix(const Signal& other, double atSeconds, double gain = 1.0);
    void mixAtSample(const Signal& other, std::size_t at, double gain = 1.0);
    void scale(double gain);
    // Raised-cosine fades at both ends so a cut never clicks.
    void fade(double inSeconds, double outSeconds);
    double peak() const;

    static std::size_t samplesOf(double seconds);

private:
    std::vector<float> s_;
};
