#pragma once

#include <memory>
#include <string>

#include "media/MusicIf.hpp"

namespace GLINT {
namespace SDL {

// A handle owning one piece of music; empty until music is given to it.
class Music {
public:
    Music() = default;
    explicit Music(const std::string& fileName);
    ~Music();

    Music(Music&& other) noexcept = default;
    // Deletes the music held before.
    Music& operator=(Music&& other) noexcept = default;
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;

    void reset(MusicIf* impl = nullptr) { this->impl.reset(impl); }
    MusicIf* get() const { return impl.get(); }
    bool isLoaded() const { return impl != nullptr; }

private:
    std::unique_ptr<MusicIf> impl;
};

} // namespace SDL
} // namespace GLINT
