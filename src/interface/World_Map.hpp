#pragma once

#include <memory>
#include <vector>

#include <SDL/SDL_types.h>

#include "media/BaseSurface.hpp"
#include "media/Point.hpp"
#include "media/RGBSurface.hpp"
#include "media/Rect.hpp"

class Actionables_Manager;
class BattleField;
class Character_Base;
class Character_Factory_Base;

// The whole field drawn small in the middle of the screen, with the hero,
// every living monster, the chest while it holds something, every bag, and
// the rectangle the screen shows: the last monsters are hard to find on a
// large field, and the game is only won once they are all dead.
//
// The small picture of the ground is made from the field's ground copy the
// first time the map is shown at a screen size; a frame then copies it and
// draws a few dots. Hidden, it costs the frame nothing.
class World_Map {
public:
    // Whether the map is up, for the whole program: the keyboard toggles it,
    // the render engine draws it. Each change is logged.
    static void Toggle();
    static void Hide();
    static bool Is_Shown() { return Shown; }

    // Where the field's picture goes on a screen: scaled to fit four fifths
    // of its width and height, centred, its frame around it. Empty when the
    // screen is too small for a map.
    static GLINT::SDL::Rect Place(int screenWidth, int screenHeight, int fieldWidth, int fieldHeight);
    // The pixel of a map placed at area that stands for the field pixel (x, y);
    // a point off the field lands on the map's edge.
    static GLINT::SDL::Point To_Map(const GLINT::SDL::Rect& area, int x, int y, int fieldWidth, int fieldHeight);

    static constexpr int Border = 3;

    World_Map() = default;
    World_Map(const World_Map&) = delete;
    World_Map& operator=(const World_Map&) = delete;

    // The frame's ground, as BattleField::Render_Ground draws it, but for
    // where the map goes while it is shown: true when Draw is to cover that
    // place in this frame. Outside play the map is put away.
    bool Render_Ground(const BattleField& field, const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& screen);
    // The map and its marks; hero, factories and actionables may be null.
    void Draw(const GLINT::SDL::Rect& camera, const Character_Base* hero,
              std::vector<Character_Factory_Base*>* factories, const Actionables_Manager* actionables,
              GLINT::SDL::BaseSurface& screen);

private:
    // Makes the picture for this screen unless it is made already; false when it cannot.
    bool Ready(const BattleField& field, const GLINT::SDL::BaseSurface& screen);
    bool Make_Picture(const BattleField& field, const GLINT::SDL::Rect& area, const SDL_PixelFormat& format);
    void Copy_Picture(GLINT::SDL::BaseSurface& screen, int x, int y) const;
    void Dot(GLINT::SDL::BaseSurface& screen, int x, int y, int radius, Uint32 colour) const;

    static bool Shown;

    std::unique_ptr<GLINT::SDL::RGBSurface> Picture;
    // What the picture was made for: the map's place, the field, the screen's depth.
    GLINT::SDL::Rect Picture_Area;
    const BattleField* Picture_Field = nullptr;
    int Picture_Depth = 0;
    // The marks' colours in the screen's format.
    Uint32 Outline = 0, Hero = 0, Monster = 0, Loot = 0, View = 0;
};
