#pragma once

#include "EffectCatalogue.hpp"

#include <ostream>
#include <string>
#include <vector>

class MixerProbe;
class WavFile;

// Measures what the generator wrote and says what is wrong with it: the
// ears of a build machine.
class AudioCheck {
public:
    struct Report {
        std::string file;
        int rate = 0;
        int bits = 0;
        int channels = 0;
        double seconds = 0.0;
        double peakDb = 0.0;
        double rmsDb = 0.0;
        double targetDb = 0.0;
        std::vector<std::string> problems;
    };

    static constexpr double kToleranceDb = 4.0;
    static constexpr double kClipDb = -0.1;
    static constexpr double kSilentDb = -50.0;
    static constexpr double kMinMusicSeconds = 60.0;
    // First and last samples must be this close to zero (no click).
    static constexpr double kEdge = 0.01;

    // Checks one effect against what its kind in the catalogue expects.
    static Report checkEffect(const std::string& path, EffectCatalogue::Kind kind,
                              const MixerProbe* mixer = nullptr);
    // Decodes the MP3 with lame into scratchDir, then measures it.
    static Report checkMusic(const std::string& mp3Path, const std::string& scratchDir,
                             const MixerProbe* mixer = nullptr);
    // Every catalogue effect under GAME/Data/SFXs and the music.
    static std::vector<Report> checkGame(const std::string& gameDir, const std::string& scratchDir);
    static void print(std::ostream& out, const std::vector<Report>& reports);
    static int failures(const std::vector<Report>& reports);

private:
    static void measure(Report& r, const WavFile& w);
};
