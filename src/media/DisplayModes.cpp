#include "media/DisplayModes.hpp"

#include <algorithm>

#include <SDL/SDL_video.h>

namespace GLINT {
namespace SDL {

std::vector<std::pair<int, int>> getAvailableDisplayModes() {
    std::vector<std::pair<int, int>> modes = {
        {800, 600},   {856, 480},   {960, 540},   {960, 720},   {1024, 576},  {1024, 768},  {1152, 720},
        {1152, 864},  {1280, 720},  {1280, 768},  {1280, 800},  {1280, 960},  {1280, 1024}, {1366, 768},
        {1400, 1050}, {1440, 900},  {1440, 1080}, {1600, 900},  {1600, 1200}, {1680, 1050}, {1920, 1080},
        {1920, 1200}, {1920, 1440}, {2048, 1600}, {2560, 1600}, {2560, 2048}, {4096, 2560}};
    std::sort(modes.begin(), modes.end());
    modes.erase(std::unique(modes.begin(), modes.end()), modes.end());
    modes.erase(std::remove_if(modes.begin(), modes.end(),
                               [](const std::pair<int, int>& m) {
                                   return SDL_VideoModeOK(m.first, m.second, 32, SDL_FULLSCREEN) == 0;
                               }),
                modes.end());
    return modes;
}

} // namespace SDL
} // namespace GLINT
