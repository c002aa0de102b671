#pragma once

#include <string>

namespace GLINT {
namespace SDL {

// A piece of music, streamed from its file while it plays.
class MusicIf {
public:
    explicit MusicIf(const std::string& fileName);
    virtual ~MusicIf();

    MusicIf(const MusicIf&) = delete;
    MusicIf& operator=(const MusicIf&) = delete;

    const std::string& getFileName() const { return fileName; }

private:
    std::string fileName;
};

} // namespace SDL
} // namespace GLINT
