#include "media/SoundIf.hpp"

#include <stdexcept>

#include "media/LogRethrow.hpp"

namespace GLINT {
namespace SDL {

SoundIf::SoundIf(const std::string& fileName) {
    Log_Rethrow("Exception caught in SoundIf::SoundIf()", LogStyle::TwoEntries, [&] {
        // RWOps has already logged the file name and SDL's reason.
        try {
            stream.reset(new RWOps(fileName, "rb"));
        } catch (const std::exception&) {
            throw std::logic_error(" Unable to access the sound file !");
        }
        stream->seek(0, 0);
    });
}

SoundIf::~SoundIf() = default;

} // namespace SDL
} // namespace GLINT
