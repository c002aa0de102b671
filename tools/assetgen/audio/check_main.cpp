// assetgen_audio_check GAME_DIR [--plot DIR]: measures every generated sound,
// prints a table and fails on clipping, silence, levels off the common one,
// steps of the wrong length, clicks at the edges, or music that does not
// decode or is too short. --plot also draws each one as a PNG.
#include "AudioCheck.hpp"
#include "EffectCatalogue.hpp"
#include "Mp3Encoder.hpp"
#include "WavFile.hpp"
#include "WaveformPlot.hpp"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

namespace {

std::vector<float> mono(const WavFile& w, std::size_t from, std::size_t count) {
    std::vector<float> out;
    const std::vector<float> all = w.asFloats();
    for (std::size_t f = from; f < from + count && f < w.frames(); ++f) {
        float v = 0.0f;
        for (int c = 0; c < w.channels; ++c) v += all[f * w.channels + c];
        out.push_back(v / static_cast<float>(w.channels));
    }
    return out;
}

void plot(const fs::path& game, const fs::path& dir) {
    fs::create_directories(dir);
    for (const EffectCatalogue::Entry& e : EffectCatalogue::entries()) {
        const WavFile w = WavFile::read((game / "Data" / "SFXs" / e.file).string());
        WaveformPlot::write(mono(w, 0, w.frames()), w.rate, (dir / (fs::path(e.file).stem().string() + ".png")).string());
    }
    const std::string wav = (dir / ("music-" + std::to_string(getpid()) + ".wav")).string();
    Mp3Encoder::decode((game / "Data" / "Musics" / "mysteriousfunk.mp3").string(), wav);
    const WavFile m = WavFile::read(wav);
    std::remove(wav.c_str());
    const std::size_t second = static_cast<std::size_t>(m.rate);
    WaveformPlot::write(mono(m, 0, 10 * second), m.rate, (dir / "music_first_10s.png").string());
    // The loop point in the middle: the last two seconds, then the first two.
    std::vector<float> seam = mono(m, m.frames() - 2 * second, 2 * second);
    const std::vector<float> head = mono(m, 0, 2 * second);
    seam.insert(seam.end(), head.begin(), head.end());
    WaveformPlot::write(seam, m.rate, (dir / "music_loop_point.png").string());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--plot")) {
        std::cerr << "usage: assetgen_audio_check GAME_DIR [--plot DIR]\n";
        return 2;
    }
    try {
        const std::vector<AudioCheck::Report> reports = AudioCheck::checkGame(argv[1], fs::temp_directory_path().string());
        AudioCheck::print(std::cout, reports);
        if (argc == 4) plot(argv[1], argv[3]);
        return AudioCheck::failures(reports) == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "assetgen_audio_check: " << e.what() << '\n';
        return 1;
    }
}
