#pragma once

#include <memory>
#include <string>

#include "media/RWOps.hpp"

namespace GLINT {
namespace SDL {

// A sound effect's file, opened for reading for the sound's whole life.
class SoundIf {
public:
    // Throws " Unable to access the sound file !" when the file cannot be opened.
    explicit SoundIf(const std::string& fileName);
    virtual ~SoundIf();

    SoundIf(const SoundIf&) = delete;
    SoundIf& operator=(const SoundIf&) = delete;

protected:
    RWOps& getStream() const { return *stream; }

private:
    std::unique_ptr<RWOps> stream;
};

} // namespace SDL
} // namespace GLINT
