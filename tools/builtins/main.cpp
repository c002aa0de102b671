// make_builtins: paints the media layer's built-in icon, logo and bitmap font
// and writes them as byte arrays into OUTPUT_DIR/DefaultIcon.cpp, DefaultLogo.cpp
// and DefaultFont.cpp.
#include "BmpEncoder.hpp"
#include "FontSheet.hpp"
#include "IconArt.hpp"
#include "LogoArt.hpp"
#include "SourceWriter.hpp"

#include <SDL.h>
#include <SDL_ttf.h>

#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Picture {
    const char* name;
    const char* sizeConstant;
    std::size_t size;
    int width, height, depth;
    Bytes bytes;
};

// The arrays are read back by SDL at run time: make sure SDL reads them here
// first, with the size and depth the media layer expects.
void check(const Picture& p) {
    if (p.bytes.size() != p.size)
        throw std::runtime_error(std::string(p.name) + " is " + std::to_string(p.bytes.size()) +
                                 " bytes, expected " + std::to_string(p.size));
    SDL_RWops* rw = SDL_RWFromConstMem(p.bytes.data(), int(p.bytes.size()));
    SDL_Surface* s = rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
    if (!s)
        throw std::runtime_error(std::string("SDL cannot load ") + p.name + ": " + SDL_GetError());
    const bool ok =
        s->w == p.width && s->h == p.height && s->format->BitsPerPixel == p.depth;
    SDL_FreeSurface(s);
    if (!ok)
        throw std::runtime_error(std::string("SDL reads ") + p.name + " with the wrong size or depth");
}

void writeFile(const std::string& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary);
    out.write(data.data(), std::streamsize(data.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

int usage() {
    std::cerr << "usage: make_builtins OUTPUT_DIR [--fonts DIR] [--preview DIR]\n"
                 "  writes OUTPUT_DIR/DefaultIcon.cpp, DefaultLogo.cpp, DefaultFont.cpp (normally src/media);\n"
                 "  --fonts: where the DejaVu fonts are (/usr/share/fonts/truetype/dejavu);\n"
                 "  --preview: also writes the three pictures there as .bmp files.\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string outputDir, previewDir, fontDir = "/usr/share/fonts/truetype/dejavu";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--fonts" || arg == "--preview") && i + 1 < argc)
            (arg == "--fonts" ? fontDir : previewDir) = argv[++i];
        else if (arg.empty() || arg[0] == '-' || !outputDir.empty())
            return usage();
        else
            outputDir = arg;
    }
    if (outputDir.empty())
        return usage();

    try {
        std::vector<Picture> pictures = {
            {"DefaultIcon", "DefaultIconSize", 3126, 32, 32, 24,
             BmpEncoder::encode(IconArt::paint())},
            {"DefaultLogo", "DefaultLogoSize", 24630, 128, 64, 24,
             BmpEncoder::encode(LogoArt::paint(fontDir))},
            // Glyphs white on black: the engine colour-keys the black away.
            {"DefaultFont", "DefaultFontSize", 6334, 224, 224, 8,
             BmpEncoder::encode(FontSheet::paint(fontDir + "/DejaVuSansMono-Bold.ttf"),
                                Palette::Black, Palette::White)},
        };
        for (const Picture& p : pictures) {
            check(p);
            const std::string source = outputDir + "/" + p.name + ".cpp";
            writeFile(source, SourceWriter::text(p.name, p.sizeConstant, p.bytes));
            std::cout << "wrote " << source << "\n";
            if (!previewDir.empty())
                writeFile(previewDir + "/" + p.name + ".bmp",
                          std::string(p.bytes.begin(), p.bytes.end()));
        }
    } catch (const std::exception& e) {
        std::cerr << "make_builtins: " << e.what() << "\n";
        TTF_Quit();
        return 1;
    }
    TTF_Quit();
    return 0;
}
