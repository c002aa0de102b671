#pragma once

// Where the tests over the shipped world find it: the game folder of this
// build, or VARNHOLT_GAME_DIR when set. The battlefield's files name their
// paths relative to that folder, so tests enter it while they load.

#include <cstdlib>
#include <filesystem>
#include <string>

namespace shipped {

inline std::string Game_Dir() {
    if (const char* dir = std::getenv("VARNHOLT_GAME_DIR"))
        if (*dir)
            return dir;
    return VARNHOLT_GAME_DIR;
}

// Enters the game folder for its lifetime.
class In_Game_Dir {
public:
    In_Game_Dir() : previous(std::filesystem::current_path()) { std::filesystem::current_path(Game_Dir()); }
    ~In_Game_Dir() { std::filesystem::current_path(previous); }
    In_Game_Dir(const In_Game_Dir&) = delete;
    In_Game_Dir& operator=(const In_Game_Dir&) = delete;

private:
    std::filesystem::path previous;
};

} // namespace shipped
