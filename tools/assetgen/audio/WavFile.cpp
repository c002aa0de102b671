#include "WavFile.hpp"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

void put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint32_t get32(const std::string& in, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(in[at + i]);
    return v;
}

std::uint16_t get16(const std::string& in, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(in[at]) |
                                      (static_cast<unsigned char>(in[at + 1]) << 8));
}

}  // namespace

std::int16_t WavFile::quantise(float v) {
    const double x = std::round(static_cast<double>(v) * 32767.0);
    return static_cast<std::int16_t>(std::clamp(x, -32767.0, 32767.0));
}

WavFile WavFile::fromMono(const Signal& s) {
    WavFile w;
    w.samples.reserve(s.size());
    for (float v : s.data()) w.samples.push_back(quantise(v));
    return w;
}

WavFile WavFile::fromStereo(const Signal& left, const Signal& right) {
    WavFile w;
    w.channels = 2;
    const std::size_t n = std::max(left.size(), right.size());
    w.samples.reserve(2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        w.samples.push_back(quantise(i < left.size() ? left[i] : 0.0f));
        w.samples.push_back(quantise(i < right.size() ? right[i] : 0.0f));
    }
    return w;
}

std::vector<float> WavFile::asFloats() const {
    std::vector<float> out;
    out.reserve(samples.size());
    for (std::int16_t v : samples) out.push_back(static_cast<float>(v / 32768.0));
    return out;
}

void WavFile::write(const std::string& path) const {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(channels));
    put32(out, static_cast<std::uint32_t>(rate));
    put32(out, static_cast<std::uint32_t>(rate * channels * 2));
    put16(out, static_cast<std::uint16_t>(channels * 2));
    put16(out, 16);
    out += "data";
    put32(out, dataBytes);
    for (std::int16_t v : samples) put16(out, static_cast<std::uint16_t>(v));
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) throw std::runtime_error(path + ": cannot be opened for writing");
    f.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!f) throw std::runtime_error(path + ": write failed");
}

WavFile WavFile::read(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) throw std::runtime_error(path + ": cannot be opened");
    const std::string in((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    auto fail = [&](const std::string& why) { return std::runtime_error(path + ": " + why); };
    if (in.size() < 12 || in.compare(0, 4, "RIFF") != 0 || in.compare(8, 4, "WAVE") != 0)
        throw fail("not a RIFF/WAVE file");
    WavFile w;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= in.size()) {
        const std::string id = in.substr(at, 4);
        std::size_t size = get32(in, at + 4);
        const std::size_t body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > in.size()) throw fail("truncated format chunk");
            const std::uint16_t format = get16(in, body);
            w.channels = get16(in, body + 2);
            w.rate = static_cast<int>(get32(in, body + 4));
            w.bits = get16(in, body + 14);
            // 0xFFFE is WAVE_FORMAT_EXTENSIBLE, which lame may write for PCM.
            if (format != 1 && format != 0xFFFE) throw fail("not PCM (format " + std::to_string(format) + ")");
            if (w.bits != 16) throw fail(std::to_string(w.bits) + "-bit samples, expected 16");
            if (w.channels < 1 || w.channels > 2) throw fail(std::to_string(w.channels) + " channels");
            if (w.rate <= 0) throw fail("sample rate 0");
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) throw fail("data before the format chunk");
            // Streaming writers may leave the size unset; take what is there.
            if (size == 0xFFFFFFFFu) size = in.size() - body;
            if (body + size > in.size())
                throw fail("truncated data: " + std::to_string(size) + " bytes announced, " +
                           std::to_string(in.size() - body) + " present");
            const std::size_t count = size / 2;
            w.samples.resize(count - count % static_cast<std::size_t>(w.channels));
            for (std::size_t i = 0; i < w.samples.size(); ++i)
                w.samples[i] = static_cast<std::int16_t>(get16(in, body + 2 * i));
            return w;
        }
        at = body + size + (size & 1);
    }
    throw fail(haveFormat ? "no data chunk" : "no format chunk");
}
