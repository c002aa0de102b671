#pragma once

#include <string>

#include <SDL/SDL_types.h>

namespace GLINT {
namespace SDL {

class MusicIf;
class SoundIf;

// What the game asks of an audio mixer. Volumes are percentages 0-100.
class MixerIf {
public:
    // SDL_mixer's scale is 0-128: percent * 128 / 100, out-of-range percentages clamped.
    static int toMixerVolume(int percent);

    virtual bool isUsable() const { return true; }
    virtual ~MixerIf();

    virtual std::string getDriverName() const = 0;
    virtual bool isPlaying(int channel) const = 0;
    virtual bool isPaused(int channel) const = 0;
    // The channel used (channel -1: the first free one), or -1 on error.
    virtual int playChannel(const SoundIf& sound, int volume, int loops, int fade_ms, int channel) = 0;
    virtual void pauseAll() = 0;
    virtual void resumeAll() = 0;
    virtual int haltChannel(int channel, int fade_ms) = 0;
    virtual void allocateChannels(int count) = 0;
    // loops -1 repeats forever.
    virtual bool playMusic(const MusicIf& music, int volume, int loops, int fade_ms) = 0;
    virtual void pauseMusic() = 0;
    virtual void resumeMusic() = 0;
    virtual void rewindMusic() = 0;
    virtual bool setMusicPosition(double seconds) = 0;
    virtual void setMusicVolume(int volume) = 0;
    virtual bool haltMusic(int fade_ms) = 0;

    int getOpenedDevices() const { return openedDevices; }
    int getFrequency() const { return frequency; }
    int getChannels() const { return channels; }
    Uint16 getFormat() const { return format; }

protected:
    MixerIf() = default;

    // What the device really opened with, which may differ from what was asked.
    int openedDevices = 0;
    int frequency = 0;
    int channels = 0;
    Uint16 format = 0;
};

} // namespace SDL
} // namespace GLINT
