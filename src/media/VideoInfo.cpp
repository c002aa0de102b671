#include "media/VideoInfo.hpp"

#include <atomic>
#include <stdexcept>

#include "media/LogRethrow.hpp"

namespace GLINT {
namespace SDL {

namespace {
std::atomic<const VideoInfo*> currentInfo{nullptr};
} // namespace

VideoInfo::VideoInfo() : info(), format() {
    Log_Rethrow("VideoInfo:: Exception in Constructor !", LogStyle::TwoEntries, [&] {
        const SDL_VideoInfo* live = SDL_GetVideoInfo();
        if (!live)
            throw std::logic_error("SDL_GetVideoInfo() return NULL");
        info = *live;
        if (live->vfmt) {
            format = *live->vfmt;
            format.palette = nullptr; // the palette belongs to SDL
        }
        info.vfmt = &format;
    });
}

VideoInfo::~VideoInfo() {
    const VideoInfo* self = this;
    currentInfo.compare_exchange_strong(self, nullptr);
}

const VideoInfo* VideoInfo::current() { return currentInfo.load(); }

void VideoInfo::publish(const VideoInfo* info) { currentInfo.store(info); }

} // namespace SDL
} // namespace GLINT
