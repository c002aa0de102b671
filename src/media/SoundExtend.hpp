#pragma once

#include <string>

#include <SDL/SDL_mixer.h>

#include "media/SoundIf.hpp"

namespace GLINT {
namespace SDL {

// A sound effect decoded whole by SDL_mixer.
class SoundExtend : public SoundIf {
public:
    // Throws " Unable to open the sound file !" when the file is not a sound SDL_mixer reads.
    explicit SoundExtend(const std::string& fileName);
    ~SoundExtend() override;

    Mix_Chunk* getChunk() const { return chunk; }

private:
    Mix_Chunk* chunk = nullptr;
};

} // namespace SDL
} // namespace GLINT
