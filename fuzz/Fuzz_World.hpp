#pragma once

// What every fuzz target shares: SDL on its dummy drivers with a small display
// to convert pictures to, quiet logs, the shipped directions, and a private
// copy of the game folder (symbolic links) that the target enters. A target
// writes its input as a data file inside that copy, beside the files it names,
// so relative DTDs and pictures resolve as they do in the game.

#include <SDL/SDL.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "media/Logger.hpp"
#include "characters/CH_Test_Support.hpp"
#include "shell/Game_Settings.hpp"

namespace fuzz {

namespace fs = std::filesystem;

inline std::string Game_Dir() {
    if (const char* dir = std::getenv("VARNHOLT_GAME_DIR"))
        if (*dir)
            return dir;
    return VARNHOLT_GAME_DIR;
}

inline void Enter_World() {
    static const bool entered = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        GLINT::SDL::GameLog.setConsole(false);
        GLINT::SDL::MediaLog.setConsole(false);
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0 || !SDL_SetVideoMode(64, 64, 16, SDL_SWSURFACE))
            std::abort();
        std::string pattern = (fs::temp_directory_path() / "varnholt-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        const fs::path copy = fs::path(pattern) / "game";
        const fs::path game = fs::absolute(Game_Dir());
        fs::create_directory(copy);
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(game)) {
            const fs::path target = copy / fs::relative(entry.path(), game);
            if (entry.is_directory())
                fs::create_directory(target);
            else
                fs::create_symlink(entry.path(), target);
        }
        fs::current_path(copy);
        static const fs::path made = pattern;
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(made, ignored);
        });
        ch_test::Use_Game_Tuning();
        return true;
    }();
    (void)entered;
}

// Writes the input as the file at path (relative to the game copy) and returns the path.
inline std::string Write(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                  static_cast<std::streamsize>(size));
    return path;
}

} // namespace fuzz
