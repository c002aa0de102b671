#include "PngWriter.hpp"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f)
            std::fclose(f);
    }
};
} // namespace

void PngWriter::write(const std::string& path, const Image& image) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        throw std::runtime_error("cannot open " + path + " for writing");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng could not start writing " + path);
    }
    const bool alpha = image.hasTransparency();
    const int channels = alpha ? 4 : 3;
    std::vector<png_byte> rows(static_cast<std::size_t>(image.width()) * image.height() * channels);
    std::size_t k = 0;
    for (const Rgba& c : image.pixels()) {
        rows[k++] = c.r;
        rows[k++] = c.g;
        rows[k++] = c.b;
        if (alpha)
            rows[k++] = c.a;
    }
    std::vector<png_bytep> rowPointers(image.height());
    for (int y = 0; y < image.height(); ++y)
        rowPointers[y] = rows.data() + static_cast<std::size_t>(y) * image.width() * channels;

    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng failed while writing " + path);
    }
    png_init_io(png, file.get());
    png_set_compression_level(png, 6);
    png_set_IHDR(png, info, image.width(), image.height(), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rowPointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fflush(file.get()) != 0)
        throw std::runtime_error("cannot finish writing " + path);
}
