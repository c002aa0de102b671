#include "media/Music.hpp"

#include "media/MusicExtend.hpp"

namespace GLINT {
namespace SDL {

Music::Music(const std::string& fileName) : impl(new MusicExtend(fileName)) {}

Music::~Music() = default;

} // namespace SDL
} // namespace GLINT
