#pragma once

#include <string>

#include <SDL/SDL_rwops.h>

namespace GLINT {
namespace SDL {

// Owns an SDL read stream over a file, a block of constant memory, or nothing.
class RWOps {
public:
    RWOps(const std::string& fileName, const std::string& mode);
    RWOps(const void* memory, int size);
    RWOps();
    ~RWOps();

    RWOps(const RWOps&) = delete;
    RWOps& operator=(const RWOps&) = delete;

    // origin: 0 from the start, 1 from the current position, 2 from the end.
    int seek(int offset, int origin);

    SDL_RWops* get_SDL() const { return ops; }

private:
    SDL_RWops* ops = nullptr;
    bool bare = false;
};

} // namespace SDL
} // namespace GLINT
