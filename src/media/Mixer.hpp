#pragma once

#include <memory>

#include "media/MixerIf.hpp"
#include "media/Music.hpp"
#include "media/Sound.hpp"

namespace GLINT {
namespace SDL {

// A handle owning the audio mixer. The four operations the game plays through
// are forwarded; the rest are reached with get().
class Mixer {
public:
    // Opens the audio device on SDL_mixer; throws when it cannot.
    Mixer(int frequency, int channels, int chunkSize);
    explicit Mixer(MixerIf* impl) : impl(impl) {}
    ~Mixer();

    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // Deletes the mixer held before (closing its device) and takes the new one.
    void reset(MixerIf* impl) { this->impl.reset(impl); }
    MixerIf* get() const { return impl.get(); }

    // The channel used, or -1 (also for an empty sound handle).
    int playChannel(const Sound& sound, int volume, int loops = 0, int fade_ms = 0, int channel = -1);
    bool playMusic(const Music& music, int volume, int loops = -1, int fade_ms = 0);
    void setMusicVolume(int volume);
    bool haltMusic(int fade_ms = 0);

private:
    std::unique_ptr<MixerIf> impl;
};

} // namespace SDL
} // namespace GLINT
