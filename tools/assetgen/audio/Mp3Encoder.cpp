#include "Mp3Encoder.hpp"

#include "WavFile.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

void Mp3Encoder::run(const std::vector<std::string>& args, const std::string& what) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error(what + ": cannot start lame (fork failed)");
    if (pid == 0) {
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    if (waitpid(pid, &status, 0) < 0) throw std::runtime_error(what + ": lost track of lame");
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127)
        throw std::runtime_error(what + ": lame is not installed (Debian package lame)");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(what + ": lame failed (status " + std::to_string(status) + ")");
}

void Mp3Encoder::encode(const Signal& left, const Signal& right, const std::string& mp3Path) {
    const std::string wav = mp3Path + ".tmp.wav";
    WavFile::fromStereo(left, right).write(wav);
    try {
        // Fixed bitrate and quality; no ReplayGain scan (time, and nothing
        // in the game reads it).
        run({"lame", "--quiet", "--noreplaygain", "-b", std::to_string(kBitrate), "-q", "5", wav, mp3Path}, mp3Path);
    } catch (...) {
        std::remove(wav.c_str());
        throw;
    }
    std::remove(wav.c_str());
}

void Mp3Encoder::decode(const std::string& mp3Path, const std::string& wavPath) {
    run({"lame", "--quiet", "--decode", mp3Path, wavPath}, mp3Path);
}
