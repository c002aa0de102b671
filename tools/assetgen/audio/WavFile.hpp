#pragma once

#include "Signal.hpp"

#include <cstdint>
#include <string>
#include <vector>

// 16-bit PCM RIFF/WAVE, the format SDL_mixer loads effects from.
class WavFile {
public:
    int rate = Signal::kRate;
    int channels = 1;
    int bits = 16;
    std::vector<std::int16_t> samples;  // interleaved

    static WavFile fromMono(const Signal& s);
    static WavFile fromStereo(const Signal& left, const Signal& right);
    // Throws std::runtime_error "<path>: <what is wrong>".
    static WavFile read(const std::string& path);
    void write(const std::string& path) const;

    std::size_t frames() const { return channels > 0 ? samples.size() / channels : 0; }
    double seconds() const { return rate > 0 ? static_cast<double>(frames()) / rate : 0.0; }
    // Interleaved floats in [-1, 1) for measuring.
    std::vector<float> asFloats() const;

    static std::int16_t quantise(float v);
};
