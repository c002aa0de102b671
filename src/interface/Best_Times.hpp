#pragma once

#include <cstddef>
#include <string>

#include <SDL/SDL_types.h>

// Best_Times.txt: one line per won game, appended, never rewritten or read
// back by the game. "abc Killed 12 Monsters in: 1hr 2mn 5s".
class Best_Times {
public:
    Best_Times() = delete;

    static const char* const File;
    // Characters kept of a name; the victory window's field stops there too.
    static constexpr std::size_t Name_Limit = 32;

    // The typed name as it goes into the file: valid UTF-8, no control
    // characters, at most Name_Limit characters. Empty stays empty.
    static std::string Clean_Name(const std::string& typed);

    // The whole line, its line feed included.
    static std::string Line(const std::string& typed, int killed, Uint32 seconds);

    // Appends the line in one write to fileName, creating the file if needed.
    // False, with the reason (naming the file) in error, when it could not.
    static bool Append(const std::string& line, std::string& error, const std::string& fileName = File);
};
