#include "media/MusicExtend.hpp"

#include <stdexcept>

#include "media/LogRethrow.hpp"

namespace GLINT {
namespace SDL {

MusicExtend::MusicExtend(const std::string& fileName) : MusicIf(fileName) {
    Log_Rethrow("Exception caught in MusicExtend::MusicExtend()", LogStyle::TwoEntries, [&] {
        music = Mix_LoadMUS(getFileName().c_str());
        if (!music)
            throw std::logic_error(" Unable to open the sound file !");
    });
}

MusicExtend::~MusicExtend() {
    if (music)
        Mix_FreeMusic(music);
}

} // namespace SDL
} // namespace GLINT
