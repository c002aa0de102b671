#include "media/RWOps.hpp"

#include <stdexcept>

#include <SDL/SDL_error.h>

#include "media/LogRethrow.hpp"

namespace GLINT {
namespace SDL {

RWOps::RWOps(const std::string& fileName, const std::string& mode) {
    Log_Rethrow("Exception cought in RWOps Constructor : ", LogStyle::OneEntry, [&] {
        ops = SDL_RWFromFile(fileName.c_str(), mode.c_str());
        if (!ops)
            throw std::logic_error("Initialising RWOps from " + fileName + " failed" + SDL_GetError());
    });
}

RWOps::RWOps(const void* memory, int size) {
    Log_Rethrow("Exception cought in RWOps Constructor : ", LogStyle::OneEntry, [&] {
        ops = SDL_RWFromConstMem(memory, size);
        if (!ops)
            throw std::logic_error("Initialising RWOps from const mem failed");
    });
}

RWOps::RWOps() {
    Log_Rethrow("Exception cought in RWOps Copy Constructor : ", LogStyle::OneEntry, [&] {
        ops = SDL_AllocRW();
        if (!ops)
            throw std::logic_error("Initialising empty RWOps failed");
        bare = true;
    });
}

RWOps::~RWOps() {
    if (!ops)
        return;
    // A bare stream has no close operation of its own.
    if (bare)
        SDL_FreeRW(ops);
    else
        SDL_RWclose(ops);
}

int RWOps::seek(int offset, int origin) {
    if (!ops || bare || origin < 0 || origin > 2)
        return -1;
    static const int whence[] = {RW_SEEK_SET, RW_SEEK_CUR, RW_SEEK_END};
    return SDL_RWseek(ops, offset, whence[origin]);
}

} // namespace SDL
} // namespace GLINT
