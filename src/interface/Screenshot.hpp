#pragma once

#include <string>

struct SDL_Surface;

// F12: the screen as a numbered PNG (Varnholt-001.png, Varnholt-002.png...)
// in the working folder, the player's own folder when the game is started
// by its launcher.
class Screenshot {
public:
    Screenshot() = delete;

    // Saves the window's display and says so in the status line and the game
    // log; a failure is told the same way and the game goes on.
    static void Take();

    // Writes surface as the next free numbered PNG of folder and returns the
    // file's name. Throws std::runtime_error naming the file and the reason.
    static std::string Save(SDL_Surface* surface, const std::string& folder);
    // The name after the highest number present in folder: a deleted picture
    // leaves a gap rather than being replaced by a newer one.
    static std::string Next_Name(const std::string& folder);
    // Any surface format, written as 8-bit RGB.
    static void Write_PNG(SDL_Surface* surface, const std::string& path);
};
