#include "media/MixerExtend.hpp"

#include <sstream>
#include <stdexcept>

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include "media/LogRethrow.hpp"
#include "media/Logger.hpp"
#include "media/MusicExtend.hpp"
#include "media/SoundExtend.hpp"

namespace GLINT {
namespace SDL {

MixerExtend::MixerExtend(int frequency, int channels, int chunkSize) {
    Log_Rethrow("Exception caught in MixerExtend::MixerExtend()", LogStyle::TwoEntries, [&] {
        if (Mix_OpenAudio(frequency, AUDIO_S16SYS, channels, chunkSize) != 0)
            throw std::logic_error(std::string("Mix_OpenAudio returned Error: ") + Mix_GetError());
        openedDevices = Mix_QuerySpec(&this->frequency, &format, &this->channels);
    });
}

MixerExtend::~MixerExtend() { Mix_CloseAudio(); }

std::string MixerExtend::getDriverName() const {
    char name[33] = {0};
    if (!SDL_AudioDriverName(name, 32))
        return std::string();
    return name;
}

bool MixerExtend::isPlaying(int channel) const { return Mix_Playing(channel) == 1; }

bool MixerExtend::isPaused(int channel) const { return Mix_Paused(channel) == 1; }

int MixerExtend::playChannel(const SoundIf& sound, int volume, int loops, int fade_ms, int channel) {
    const SoundExtend* extend = dynamic_cast<const SoundExtend*>(&sound);
    Mix_Chunk* chunk = extend ? extend->getChunk() : nullptr;
    int used = -1;
    if (!chunk) {
        Mix_SetError("the sound was not decoded by SDL_mixer");
    } else {
        Mix_VolumeChunk(chunk, toMixerVolume(volume));
        used = fade_ms == 0 ? Mix_PlayChannelTimed(channel, chunk, loops, -1)
                            : Mix_FadeInChannelTimed(channel, chunk, loops, fade_ms, -1);
    }
    if (used == -1) {
        // Every channel busy is the usual cause: the game goes on without this sound.
        std::ostringstream text;
        text << "MixerExtend::playChannel(" << static_cast<const void*>(&sound) << ", " << volume << ", "
             << loops << ", " << -1 << ", " << fade_ms << ") returned an Error :" << Mix_GetError();
        MediaLog.safeEntry(text.str());
    }
    return used;
}

void MixerExtend::pauseAll() { Mix_Pause(-1); }

void MixerExtend::resumeAll() { Mix_Resume(-1); }

int MixerExtend::haltChannel(int channel, int fade_ms) {
    if (fade_ms > 0)
        return Mix_FadeOutChannel(channel, fade_ms);
    Mix_HaltChannel(channel);
    return 1;
}

void MixerExtend::allocateChannels(int count) { Mix_AllocateChannels(count); }

bool MixerExtend::playMusic(const MusicIf& music, int volume, int loops, int fade_ms) {
    const MusicExtend* extend = dynamic_cast<const MusicExtend*>(&music);
    Mix_Music* stream = extend ? extend->getMusic() : nullptr;
    Mix_VolumeMusic(toMixerVolume(volume));
    int result = -1;
    if (!stream)
        Mix_SetError("the music was not loaded by SDL_mixer");
    else
        result = fade_ms == 0 ? Mix_PlayMusic(stream, loops) : Mix_FadeInMusic(stream, loops, fade_ms);
    if (result == -1) {
        std::ostringstream text;
        text << "MixerExtend::playMusic(" << static_cast<const void*>(&music) << ", " << volume << ", "
             << loops << ", " << fade_ms << ") returned an Error :" << Mix_GetError();
        MediaLog.safeEntry(text.str());
    }
    return result == 0;
}

void MixerExtend::pauseMusic() { Mix_PauseMusic(); }

void MixerExtend::resumeMusic() { Mix_ResumeMusic(); }

void MixerExtend::rewindMusic() { Mix_RewindMusic(); }

bool MixerExtend::setMusicPosition(double seconds) { return Mix_SetMusicPosition(seconds) == 0; }

void MixerExtend::setMusicVolume(int volume) { Mix_VolumeMusic(toMixerVolume(volume)); }

bool MixerExtend::haltMusic(int fade_ms) {
    if (fade_ms > 0)
        return Mix_FadeOutMusic(fade_ms) == 1;
    return Mix_HaltMusic() == 0;
}

} // namespace SDL
} // namespace GLINT
