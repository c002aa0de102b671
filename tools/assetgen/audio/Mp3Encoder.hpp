#pragma once

#include "Signal.hpp"

#include <string>

// Encodes stereo audio to MP3 with the lame program (Debian package lame).
class Mp3Encoder {
public:
    static constexpr int kBitrate = 160;

    // Throws std::runtime_error naming the output and what went wrong.
    static void encode(const Signal& left, const Signal& right, const std::string& mp3Path);
    // Decodes with lame back to a WAV file; used by the checks.
    static void decode(const std::string& mp3Path, const std::string& wavPath);

private:
    static void run(const std::vector<std::string>& args, const std::string& what);
};
