#include "media/MixerIf.hpp"

namespace GLINT {
namespace SDL {

int MixerIf::toMixerVolume(int percent) {
    // A negative volume would only query SDL_mixer and leave the old one in place.
    if (percent <= 0)
        return 0;
    if (percent >= 100)
        return 128;
    return percent * 128 / 100;
}

MixerIf::~MixerIf() = default;

} // namespace SDL
} // namespace GLINT
