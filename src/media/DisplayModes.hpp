#pragma once

#include <utility>
#include <vector>

namespace GLINT {
namespace SDL {

// The usual screen sizes that SDL can show full screen at 32 bits, smallest first.
std::vector<std::pair<int, int>> getAvailableDisplayModes();

} // namespace SDL
} // namespace GLINT
