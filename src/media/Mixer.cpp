#include "media/Mixer.hpp"

#include "media/MixerExtend.hpp"

namespace GLINT {
namespace SDL {

Mixer::Mixer(int frequency, int channels, int chunkSize)
    : impl(new MixerExtend(frequency, channels, chunkSize)) {}

Mixer::~Mixer() = default;

int Mixer::playChannel(const Sound& sound, int volume, int loops, int fade_ms, int channel) {
    if (!impl || !sound.get())
        return -1;
    return impl->playChannel(*sound.get(), volume, loops, fade_ms, channel);
}

bool Mixer::playMusic(const Music& music, int volume, int loops, int fade_ms) {
    if (!impl || !music.get())
        return false;
    return impl->playMusic(*music.get(), volume, loops, fade_ms);
}

void Mixer::setMusicVolume(int volume) {
    if (impl)
        impl->setMusicVolume(volume);
}

bool Mixer::haltMusic(int fade_ms) { return impl && impl->haltMusic(fade_ms); }

} // namespace SDL
} // namespace GLINT
