#include "media/SoundExtend.hpp"

#include <stdexcept>

#include "media/LogRethrow.hpp"

namespace GLINT {
namespace SDL {

SoundExtend::SoundExtend(const std::string& fileName) : SoundIf(fileName) {
    Log_Rethrow("Exception caught in SoundExtend::SoundExtend()", LogStyle::TwoEntries, [&] {
        // The stream belongs to SoundIf: SDL_mixer must not close it.
        chunk = Mix_LoadWAV_RW(getStream().get_SDL(), 0);
        if (!chunk)
            throw std::logic_error(" Unable to open the sound file !");
        getStream().seek(0, 0);
    });
}

SoundExtend::~SoundExtend() {
    if (chunk)
        Mix_FreeChunk(chunk);
}

} // namespace SDL
} // namespace GLINT
