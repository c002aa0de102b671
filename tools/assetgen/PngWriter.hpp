#pragma once

#include "Image.hpp"

#include <string>

// Writes PNG files through libpng. Nothing time-dependent goes into the
// file, so the same picture always gives the same bytes.
class PngWriter {
public:
    // RGBA when the picture has transparency, RGB otherwise. Throws
    // std::runtime_error naming the file on failure.
    static void write(const std::string& path, const Image& image);
};
