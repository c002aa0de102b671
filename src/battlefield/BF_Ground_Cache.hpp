#pragma once

#include <vector>

#include "media/BaseSurface.hpp"
#include "media/RGBSurface.hpp"
#include "media/Rect.hpp"

class BattleField;

// The field's ground (the default ground under the Background layer) drawn
// once into large pieces in the display's format, so that a frame copies a
// few big rectangles instead of blitting hundreds of small tiles. What it
// shows is exactly what drawing the default ground and then the layer would.
class BF_Ground_Cache {
public:
    // Null when the ground cannot be cached: no display, or a default ground
    // that is missing, see-through or larger than one tile, under which the
    // screen would show through.
    static BF_Ground_Cache* Build(const BattleField& field, int fieldWidth, int fieldHeight);
    ~BF_Ground_Cache();

    BF_Ground_Cache(const BF_Ground_Cache&) = delete;
    BF_Ground_Cache& operator=(const BF_Ground_Cache&) = delete;

    // Copies the ground under camera to target; false, drawing nothing, when
    // the camera leaves the field or does not match the target and screen
    // sizes, where the ground must be drawn tile by tile.
    bool Draw(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) const;
    // Whether Draw would cover the whole target from this camera.
    bool Covers(const GLINT::SDL::Rect& camera, const GLINT::SDL::BaseSurface& target) const;
    // Draws the whole field, its scenery over this ground, shrunk into area
    // of target: each pixel the mean of the field it stands for. False when
    // it cannot.
    bool Draw_Small(const BattleField& field, GLINT::SDL::BaseSurface& target, const GLINT::SDL::Rect& area) const;

    static constexpr int Piece_Size = 512;
    static const long long Memory_Limit = 256LL * 1024 * 1024;

private:
    BF_Ground_Cache(int fieldWidth, int fieldHeight);

    int Width;
    int Height;
    int Columns;
    int Rows;
    std::vector<GLINT::SDL::RGBSurface*> Pieces;
};
