#pragma once

#include <string>
#include <vector>

#include <SDL/SDL_types.h>

#include "media/RGBSurface.hpp"
#include "media/Rect.hpp"

// One animation sheet: a row per facing direction, a column per frame, with
// its timing and the position and collision-box modifiers it applies.
class Character_Animation {
public:
    // The animation file is folder + the text of key in the description file.
    Character_Animation(const std::string& descriptionFile, const char* key, const std::string& folder);
    ~Character_Animation();

    Character_Animation(const Character_Animation&) = delete;
    Character_Animation& operator=(const Character_Animation&) = delete;

    // The source rectangle of frame f facing direction d.
    const GLINT::SDL::Rect& Frame(int direction, int frame) const;
    // The interval, 0 read as 1.
    Uint32 Interval() const { return Frames_Interval == 0 ? 1u : Frames_Interval; }

    std::vector<GLINT::SDL::Rect> Frame_Table;
    Uint32 Frames_Interval = 1;
    int Frames = 1;
    int KeyFrame = 0;
    int Width = 0;
    int Height = 0;
    GLINT::SDL::RGBSurface* Sheet = nullptr;
    Sint16 X_Modifier = 0;
    Sint16 Y_Modifier = 0;
    Sint16 CB_X_Modifier = 0;
    Sint16 CB_Y_Modifier = 0;
    Sint16 CB_W_Modifier = 0;
    Sint16 CB_H_Modifier = 0;
    std::string File;
};
