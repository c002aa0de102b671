#pragma once

#include "media/MixerIf.hpp"

namespace GLINT {
namespace SDL {

// The mixer on SDL_mixer: opens the audio device for its whole life.
class MixerExtend : public MixerIf {
public:
    MixerExtend(int frequency, int channels, int chunkSize);
    ~MixerExtend() override;

    MixerExtend(const MixerExtend&) = delete;
    MixerExtend& operator=(const MixerExtend&) = delete;

    std::string getDriverName() const override;
    bool isPlaying(int channel) const override;
    bool isPaused(int channel) const override;
    int playChannel(const SoundIf& sound, int volume, int loops, int fade_ms, int channel) override;
    void pauseAll() override;
    void resumeAll() override;
    int haltChannel(int channel, int fade_ms) override;
    void allocateChannels(int count) override;
    bool playMusic(const MusicIf& music, int volume, int loops, int fade_ms) override;
    void pauseMusic() override;
    void resumeMusic() override;
    void rewindMusic() override;
    bool setMusicPosition(double seconds) override;
    void setMusicVolume(int volume) override;
    bool haltMusic(int fade_ms) override;
};

} // namespace SDL
} // namespace GLINT
