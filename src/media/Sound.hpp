#pragma once

#include <memory>
#include <string>

#include "media/SoundIf.hpp"

namespace GLINT {
namespace SDL {

// A handle owning one sound effect; empty until a sound is given to it.
class Sound {
public:
    Sound() = default;
    // The second argument is kept for the callers' sake and changes nothing:
    // every caller passes false and the whole file is always decoded at once.
    Sound(const std::string& fileName, bool reserved);
    ~Sound();

    Sound(Sound&& other) noexcept = default;
    // Deletes the sound held before.
    Sound& operator=(Sound&& other) noexcept = default;
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Deletes the sound held before and takes ownership of the new one (may be null).
    void reset(SoundIf* impl = nullptr) { this->impl.reset(impl); }
    SoundIf* get() const { return impl.get(); }
    bool isLoaded() const { return impl != nullptr; }

private:
    std::unique_ptr<SoundIf> impl;
};

} // namespace SDL
} // namespace GLINT
