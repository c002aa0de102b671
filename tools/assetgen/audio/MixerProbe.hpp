#pragma once

#include <string>

// Opens SDL_mixer the way the game does (44.1 kHz mono, 16-bit) on SDL's
// dummy audio driver, to prove the files load where it matters.
class MixerProbe {
public:
    MixerProbe();
    ~MixerProbe();
    MixerProbe(const MixerProbe&) = delete;
    MixerProbe& operator=(const MixerProbe&) = delete;

    // Empty when fine, else SDL's complaint.
    std::string loadEffect(const std::string& path) const;
    std::string loadMusic(const std::string& path) const;
    const std::string& openError() const { return openError_; }

private:
    std::string openError_;
};
