#include "media/MusicIf.hpp"

#include "media/LogRethrow.hpp"

namespace GLINT {
namespace SDL {

MusicIf::MusicIf(const std::string& fileName) {
    Log_Rethrow("Exception caught in MusicIf::MusicIf()", LogStyle::TwoEntries,
                [&] { this->fileName = fileName; });
}

MusicIf::~MusicIf() = default;

} // namespace SDL
} // namespace GLINT
