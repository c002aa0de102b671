// assetgen_audio GAME_DIR: writes every sound effect into GAME_DIR/Data/SFXs
// and the music into GAME_DIR/Data/Musics.
#include "EffectCatalogue.hpp"
#include "FunkTrack.hpp"
#include "Mp3Encoder.hpp"
#include "WavFile.hpp"

#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: assetgen_audio GAME_DIR\n";
        return 2;
    }
    try {
        const fs::path data = fs::path(argv[1]) / "Data";
        fs::create_directories(data / "SFXs");
        fs::create_directories(data / "Musics");
        for (const EffectCatalogue::Entry& e : EffectCatalogue::entries())
            WavFile::fromMono(EffectCatalogue::render(e)).write((data / "SFXs" / e.file).string());
        const StereoBus music = FunkTrack::render();
        Mp3Encoder::encode(music.left, music.right, (data / "Musics" / "mysteriousfunk.mp3").string());
    } catch (const std::exception& e) {
        std::cerr << "assetgen_audio: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
