#pragma once

#include <string>

#include <SDL/SDL_mixer.h>

#include "media/MusicIf.hpp"

namespace GLINT {
namespace SDL {

// Music loaded by SDL_mixer (MP3, OGG, WAV, ...).
class MusicExtend : public MusicIf {
public:
    // Throws " Unable to open the sound file !" when SDL_mixer cannot load the file.
    explicit MusicExtend(const std::string& fileName);
    ~MusicExtend() override;

    Mix_Music* getMusic() const { return music; }

private:
    Mix_Music* music = nullptr;
};

} // namespace SDL
} // namespace GLINT
