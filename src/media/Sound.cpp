#include "media/Sound.hpp"

#include "media/SoundExtend.hpp"

namespace GLINT {
namespace SDL {

Sound::Sound(const std::string& fileName, bool /*reserved*/) : impl(new SoundExtend(fileName)) {}

Sound::~Sound() = default;

} // namespace SDL
} // namespace GLINT
