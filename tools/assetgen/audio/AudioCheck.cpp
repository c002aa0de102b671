#include "AudioCheck.hpp"

#include "Loudness.hpp"
#include "MixerProbe.hpp"
#include "Mp3Encoder.hpp"
#include "WavFile.hpp"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iomanip>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

std::string fmt(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    return buf;
}

}  // namespace

void AudioCheck::measure(Report& r, const WavFile& w) {
    r.rate = w.rate;
    r.bits = w.bits;
    r.channels = w.channels;
    r.seconds = w.seconds();
    const Loudness::Level level = Loudness::measure(w.asFloats(), w.channels, w.rate);
    r.peakDb = level.peakDb;
    r.rmsDb = level.rmsDb;
    if (w.rate != 44100 && w.rate != 22050) r.problems.push_back("sample rate " + std::to_string(w.rate));
    if (w.bits != 16) r.problems.push_back(std::to_string(w.bits) + "-bit");
}

AudioCheck::Report AudioCheck::checkEffect(const std::string& path, EffectCatalogue::Kind kind,
                                           const MixerProbe* mixer) {
    Report r;
    r.file = fs::path(path).filename().string();
    r.targetDb = EffectCatalogue::targetDb(kind);
    WavFile w;
    try {
        w = WavFile::read(path);
    } catch (const std::exception& e) {
        r.problems.push_back(e.what());
        return r;
    }
    measure(r, w);
    if (mixer) {
        const std::string err = mixer->loadEffect(path);
        if (!err.empty()) r.problems.push_back("SDL_mixer cannot load it: " + err);
    }
    if (kind == EffectCatalogue::Kind::Silent) {
        if (r.peakDb > Loudness::kSilenceDb) r.problems.push_back("should be silent");
        if (r.seconds > 0.1) r.problems.push_back("silent placeholder longer than 0.1 s");
        return r;
    }
    if (r.peakDb >= kClipDb) r.problems.push_back("clips (peak " + fmt(r.peakDb) + " dBFS)");
    if (r.rmsDb < kSilentDb) {
        r.problems.push_back("silent");
    } else if (std::fabs(r.rmsDb - r.targetDb) > kToleranceDb) {
        r.problems.push_back("level " + fmt(r.rmsDb) + " dBFS, more than " + fmt(kToleranceDb) + " dB off " +
                             fmt(r.targetDb));
    }
    if (kind == EffectCatalogue::Kind::Step && (r.seconds < 0.1 || r.seconds > 0.3))
        r.problems.push_back("a step of " + fmt(r.seconds * 1000.0) + " ms (want 100-300)");
    if (!w.samples.empty()) {
        const double first = std::abs(w.samples.front()) / 32768.0;
        const double last = std::abs(w.samples.back()) / 32768.0;
        if (first > kEdge) r.problems.push_back("starts with a jump (click)");
        if (last > kEdge) r.problems.push_back("ends with a jump (click)");
    }
    return r;
}

AudioCheck::Report AudioCheck::checkMusic(const std::string& mp3Path, const std::string& scratchDir,
                                          const MixerProbe* mixer) {
    Report r;
    r.file = fs::path(mp3Path).filename().string();
    r.targetDb = -16.0;
    if (!fs::exists(mp3Path)) {
        r.problems.push_back(mp3Path + ": missing");
        return r;
    }
    const std::string wav = (fs::path(scratchDir) / ("decoded-" + std::to_string(getpid()) + ".wav")).string();
    try {
        Mp3Encoder::decode(mp3Path, wav);
        const WavFile w = WavFile::read(wav);
        measure(r, w);
    } catch (const std::exception& e) {
        r.problems.push_back(std::string("does not decode: ") + e.what());
    }
    std::remove(wav.c_str());
    if (mixer) {
        const std::string err = mixer->loadMusic(mp3Path);
        if (!err.empty()) r.problems.push_back("SDL_mixer cannot load it: " + err);
    }
    if (!r.problems.empty()) return r;
    if (r.seconds < kMinMusicSeconds)
        r.problems.push_back("lasts " + fmt(r.seconds) + " s, less than " + fmt(kMinMusicSeconds));
    if (r.peakDb >= kClipDb) r.problems.push_back("clips (peak " + fmt(r.peakDb) + " dBFS)");
    if (r.rmsDb < kSilentDb) r.problems.push_back("silent");
    return r;
}

std::vector<AudioCheck::Report> AudioCheck::checkGame(const std::string& gameDir, const std::string& scratchDir) {
    const MixerProbe mixer;
    std::vector<Report> reports;
    const fs::path sfx = fs::path(gameDir) / "Data" / "SFXs";
    for (const EffectCatalogue::Entry& e : EffectCatalogue::entries())
        reports.push_back(checkEffect((sfx / e.file).string(), e.kind, &mixer));
    reports.push_back(checkMusic((fs::path(gameDir) / "Data" / "Musics" / "mysteriousfunk.mp3").string(),
                                 scratchDir, &mixer));
    return reports;
}

int AudioCheck::failures(const std::vector<Report>& reports) {
    int n = 0;
    for (const Report& r : reports) n += r.problems.empty() ? 0 : 1;
    return n;
}

void AudioCheck::print(std::ostream& out, const std::vector<Report>& reports) {
    out << std::left << std::setw(32) << "file" << std::right << std::setw(7) << "rate" << std::setw(5) << "bits"
        << std::setw(4) << "ch" << std::setw(9) << "seconds" << std::setw(8) << "peak" << std::setw(8) << "rms"
        << std::setw(8) << "target" << "  verdict\n";
    for (const Report& r : reports) {
        out << std::left << std::setw(32) << r.file << std::right << std::setw(7) << r.rate << std::setw(5) << r.bits
            << std::setw(4) << r.channels << std::setw(9) << std::fixed << std::setprecision(3) << r.seconds
            << std::setprecision(1) << std::setw(8) << r.peakDb << std::setw(8) << r.rmsDb << std::setw(8)
            << r.targetDb << "  ";
        if (r.problems.empty()) out << "ok";
        for (std::size_t i = 0; i < r.problems.size(); ++i) out << (i ? "; " : "") << r.problems[i];
        out << '\n';
    }
    const int failed = failures(reports);
    out << "audio check: " << reports.size() - failed << " passed, " << failed << " failed\n";
}
