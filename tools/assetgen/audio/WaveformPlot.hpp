#pragma once

#include <string>
#include <vector>

// A picture of a sound for eyes that cannot listen: the waveform (min/max
// per column) over a log-frequency spectrogram, written as a PNG.
class WaveformPlot {
public:
    static constexpr int kWidth = 1000;
    static constexpr int kWaveHeight = 200;
    static constexpr int kSpectrumHeight = 256;

    // Mono samples in [-1, 1].
    static void write(const std::vector<float>& samples, int rate, const std::string& path);

private:
    static void fft(std::vector<double>& re, std::vector<double>& im);
};
