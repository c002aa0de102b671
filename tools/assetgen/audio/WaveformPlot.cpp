#include "WaveformPlot.hpp"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace {

struct Rgb {
    unsigned char r, g, b;
};

// Black through blue, red and yellow to white as the level rises.
Rgb heat(double x) {
    x = std::clamp(x, 0.0, 1.0);
    const double stops[5][3] = {{0, 0, 0}, {20, 30, 140}, {200, 30, 60}, {250, 200, 40}, {255, 255, 255}};
    const double pos = x * 4.0;
    const int i = std::min(3, static_cast<int>(pos));
    const double f = pos - i;
    auto mix = [&](int c) { return static_cast<unsigned char>(stops[i][c] + (stops[i + 1][c] - stops[i][c]) * f); };
    return {mix(0), mix(1), mix(2)};
}

}  // namespace

void WaveformPlot::fft(std::vector<double>& re, std::vector<double>& im) {
    const std::size_t n = re.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) {
            std::swap(re[i], re[j]);
            std::swap(im[i], im[j]);
        }
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const double ang = -2.0 * M_PI / static_cast<double>(len);
        for (std::size_t i = 0; i < n; i += len) {
            for (std::size_t k = 0; k < len / 2; ++k) {
                const double wr = std::cos(ang * k), wi = std::sin(ang * k);
                const std::size_t a = i + k, b = i + k + len / 2;
                const double xr = re[b] * wr - im[b] * wi;
                const double xi = re[b] * wi + im[b] * wr;
                re[b] = re[a] - xr;
                im[b] = im[a] - xi;
                re[a] += xr;
                im[a] += xi;
            }
        }
    }
}

void WaveformPlot::write(const std::vector<float>& samples, int rate, const std::string& path) {
    const int h = kWaveHeight + kSpectrumHeight;
    std::vector<Rgb> img(static_cast<std::size_t>(kWidth) * h, Rgb{16, 16, 20});
    const std::size_t n = samples.size();
    auto put = [&](int x, int y, Rgb c) { img[static_cast<std::size_t>(y) * kWidth + x] = c; };

    // Waveform, with lines at 0 and -6 dBFS so clipping and level show.
    const int mid = kWaveHeight / 2;
    for (int x = 0; x < kWidth; ++x) {
        put(x, mid, Rgb{60, 60, 70});
        put(x, mid - kWaveHeight / 4, Rgb{45, 45, 55});
        put(x, mid + kWaveHeight / 4, Rgb{45, 45, 55});
        const std::size_t a = n * x / kWidth, b = std::max(a + 1, n * (x + 1) / kWidth);
        float lo = 0.0f, hi = 0.0f;
        for (std::size_t i = a; i < b && i < n; ++i) {
            lo = std::min(lo, samples[i]);
            hi = std::max(hi, samples[i]);
        }
        const int y0 = std::clamp(mid - static_cast<int>(hi * (mid - 1)), 0, kWaveHeight - 1);
        const int y1 = std::clamp(mid - static_cast<int>(lo * (mid - 1)), 0, kWaveHeight - 1);
        for (int y = y0; y <= y1; ++y) put(x, y, Rgb{120, 220, 140});
    }

    // Spectrogram: 1024-point Hann frames, 40 Hz to 18 kHz on a log axis.
    const std::size_t frame = 1024;
    std::vector<std::vector<double>> columns(kWidth);
    double loudest = 1e-12;
    for (int x = 0; x < kWidth; ++x) {
        const std::size_t centre = n * (2 * x + 1) / (2 * kWidth);
        std::vector<double> re(frame, 0.0), im(frame, 0.0);
        for (std::size_t i = 0; i < frame; ++i) {
            const std::ptrdiff_t at = static_cast<std::ptrdiff_t>(centre + i) - static_cast<std::ptrdiff_t>(frame / 2);
            if (at >= 0 && static_cast<std::size_t>(at) < n)
                re[i] = samples[static_cast<std::size_t>(at)] * (0.5 - 0.5 * std::cos(2.0 * M_PI * i / frame));
        }
        fft(re, im);
        columns[x].resize(frame / 2);
        for (std::size_t k = 0; k < frame / 2; ++k) {
            columns[x][k] = re[k] * re[k] + im[k] * im[k];
            loudest = std::max(loudest, columns[x][k]);
        }
    }
    const double lo = std::log(40.0), hi = std::log(std::min(18000.0, rate / 2.0));
    for (int y = 0; y < kSpectrumHeight; ++y) {
        const double f = std::exp(lo + (hi - lo) * (kSpectrumHeight - 1 - y) / (kSpectrumHeight - 1));
        const std::size_t k = std::min(frame / 2 - 1, static_cast<std::size_t>(f * frame / rate));
        for (int x = 0; x < kWidth; ++x) {
            const double db = 10.0 * std::log10(std::max(columns[x][k], 1e-20) / loudest);
            put(x, kWaveHeight + y, heat((db + 90.0) / 90.0));
        }
    }

    FILE* fp = std::fopen(path.c_str(), "wb");
    if (!fp) throw std::runtime_error(path + ": cannot be opened for writing");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(fp);
        throw std::runtime_error(path + ": PNG encoding failed");
    }
    png_init_io(png, fp);
    png_set_IHDR(png, info, kWidth, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y)
        png_write_row(png, reinterpret_cast<png_bytep>(&img[static_cast<std::size_t>(y) * kWidth]));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(fp);
}
