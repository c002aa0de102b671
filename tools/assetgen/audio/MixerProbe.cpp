#include "MixerProbe.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>

MixerProbe::MixerProbe() {
    // No sound card needed, and none disturbed.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_AUDIO) < 0) {
        openError_ = std::string("SDL_Init: ") + SDL_GetError();
        return;
    }
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 1, 2048) < 0) {
        openError_ = std::string("Mix_OpenAudio: ") + Mix_GetError();
        SDL_Quit();
    }
}

MixerProbe::~MixerProbe() {
    if (openError_.empty()) {
        Mix_CloseAudio();
        SDL_Quit();
    }
}

std::string MixerProbe::loadEffect(const std::string& path) const {
    if (!openError_.empty()) return openError_;
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) return std::string("Mix_LoadWAV: ") + Mix_GetError();
    Mix_FreeChunk(chunk);
    return "";
}

std::string MixerProbe::loadMusic(const std::string& path) const {
    if (!openError_.empty()) return openError_;
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (!music) return std::string("Mix_LoadMUS: ") + Mix_GetError();
    Mix_FreeMusic(music);
    return "";
}
