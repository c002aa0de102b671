#include "interface/Screenshot.hpp"

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <regex>
#include <stdexcept>
#include <vector>

#include <SDL/SDL.h>
#include <png.h>

#include "media/Logger.hpp"
#include "media/MediaContext.hpp"
#include "media/VideoSurface.hpp"
#include "media/Window.hpp"
#include "shell/Status_Message.hpp"

namespace fs = std::filesystem;

namespace {

Uint32 Read_Pixel(const Uint8* p, int bytes) {
    switch (bytes) {
    case 1: return *p;
    case 2: return *reinterpret_cast<const Uint16*>(p);
    case 3:
        return SDL_BYTEORDER == SDL_BIG_ENDIAN ? Uint32(p[0]) << 16 | Uint32(p[1]) << 8 | p[2]
                                               : Uint32(p[0]) | Uint32(p[1]) << 8 | Uint32(p[2]) << 16;
    default: return *reinterpret_cast<const Uint32*>(p);
    }
}

// The surface's pixels as rows of RGB bytes, read under the surface's lock.
std::vector<png_byte> RGB_Rows(SDL_Surface* surface) {
    std::vector<png_byte> rgb(std::size_t(surface->w) * surface->h * 3);
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0)
        throw std::runtime_error(std::string("cannot lock the screen: ") + SDL_GetError());
    const int bytes = surface->format->BytesPerPixel;
    png_byte* out = rgb.data();
    for (int y = 0; y < surface->h; ++y) {
        const Uint8* row = static_cast<const Uint8*>(surface->pixels) + std::size_t(y) * surface->pitch;
        for (int x = 0; x < surface->w; ++x, out += 3)
            SDL_GetRGB(Read_Pixel(row + x * bytes, bytes), surface->format, &out[0], &out[1], &out[2]);
    }
    if (SDL_MUSTLOCK(surface))
        SDL_UnlockSurface(surface);
    return rgb;
}

void On_PNG_Error(png_structp png, png_const_charp message) {
    *static_cast<std::string*>(png_get_error_ptr(png)) = message;
    png_longjmp(png, 1);
}

void On_PNG_Warning(png_structp, png_const_charp) {}

} // namespace

void Screenshot::Write_PNG(SDL_Surface* surface, const std::string& path) {
    if (!surface || !surface->pixels || surface->w <= 0 || surface->h <= 0)
        throw std::runtime_error(path + ": nothing on the screen to save");
    const std::vector<png_byte> rgb = RGB_Rows(surface);
    std::vector<png_bytep> rows(std::size_t(surface->h));
    for (int y = 0; y < surface->h; ++y)
        rows[std::size_t(y)] = const_cast<png_bytep>(rgb.data() + std::size_t(y) * surface->w * 3);

    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file)
        throw std::runtime_error(path + ": " + std::strerror(errno));
    std::string error;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, On_PNG_Error, On_PNG_Warning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error(path + ": out of memory");
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        file.reset();
        std::remove(path.c_str());
        throw std::runtime_error(path + ": " + error);
    }
    png_init_io(png, file.get());
    // A quick compression: the picture is taken between two frames.
    png_set_compression_level(png, 3);
    png_set_IHDR(png, info, png_uint_32(surface->w), png_uint_32(surface->h), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fflush(file.get()) != 0 || std::ferror(file.get())) {
        const std::string reason = std::strerror(errno);
        file.reset();
        std::remove(path.c_str());
        throw std::runtime_error(path + ": " + reason);
    }
    FILE* raw = file.release();
    if (std::fclose(raw) != 0) {
        std::remove(path.c_str());
        throw std::runtime_error(path + ": " + std::strerror(errno));
    }
}

std::string Screenshot::Next_Name(const std::string& folder) {
    static const std::regex numbered("Varnholt-([0-9]{1,9})\\.png");
    long highest = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::smatch match;
        const std::string name = it->path().filename().string();
        if (std::regex_match(name, match, numbered))
            highest = std::max(highest, std::stol(match[1].str()));
    }
    char name[48];
    std::snprintf(name, sizeof name, "Varnholt-%03ld.png", highest + 1);
    return name;
}

std::string Screenshot::Save(SDL_Surface* surface, const std::string& folder) {
    const std::string name = Next_Name(folder);
    Write_PNG(surface, (fs::path(folder) / name).string());
    return name;
}

void Screenshot::Take() {
    GLINT::SDL::Window* window = GLINT::SDL::MediaContext::instance().getWindow();
    if (!window || !window->getDisplay())
        return;
    try {
        const std::string name = Save(window->getDisplay()->get_SDL(), ".");
        GLINT::SDL::GameLog.safeEntry("Screenshot saved : " + name);
        Status_Message::Set("Screenshot saved: " + name);
    } catch (const std::exception& e) {
        GLINT::SDL::GameLog.safeEntry(std::string("Screenshot failed : ") + e.what());
        Status_Message::Set(std::string("Screenshot failed: ") + e.what());
    }
}
