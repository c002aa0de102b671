#pragma once

#include <vector>

#include <SDL/SDL_endian.h>
#include <SDL/SDL_video.h>

#include "battlefield/BattleField.hpp"
#include "media/BaseSurface.hpp"
#include "media/RGBColor.hpp"
#include "media/Rect.hpp"

// Keeps a character readable where the scenery layer hides it (under a tree
// top, behind a roof): over the scenery, the edge of the character's shape
// is drawn in a light ink with a dark ring outside it, on the pixels the
// scenery covers and nowhere else. A character in the open costs a look-up
// in a grid over the scenery; the shapes are read only where a sprite overlaps it,
// and only on the screen.
class BF_Cover_Outline {
public:
    BF_Cover_Outline(const BF_Layer& layer, const BF_Sprite_Mapping& mapping);
    ~BF_Cover_Outline();

    BF_Cover_Outline(const BF_Cover_Outline&) = delete;
    BF_Cover_Outline& operator=(const BF_Cover_Outline&) = delete;

    // The figure is the area of sheet drawn with its top-left corner at the
    // field's (x, y); target is seen through camera. True when anything was drawn.
    bool Draw(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target, const GLINT::SDL::BaseSurface& sheet,
              const GLINT::SDL::Rect& area, int x, int y, const GLINT::SDL::RGBColor& ink);

    // The ring's colour, the palette's darkest.
    static const GLINT::SDL::RGBColor Ring;

private:
    struct Cover {
        const BattleField_Sprite* Sprite;
        int X, Y, SubType, Orientation;
    };

    // Sets the cells of mask (the figure's part on the target, Width x Height)
    // where area of picture, drawn with its top-left corner at cell (dx, dy),
    // is not see-through.
    void Mark_Opaque(SDL_Surface* picture, const GLINT::SDL::Rect& area, int dx, int dy, std::vector<Uint8>& mask);
    // Where cell (i, j) of the visible part is in a mask, past its border row and column.
    std::size_t Cell(int i, int j) const {
        return static_cast<std::size_t>((j + 1) * (Width + 2) + i + 1);
    }
    // Saves, or puts back, the target's pixels under the masks.
    bool Keep_Target(bool save);
    // Clears the cells of mask none of whose four neighbours is set.
    void Drop_Lone_Pixels(std::vector<Uint8>& mask);
    // A surface of the picture's pixel format, at least w x h, kept for the next frames.
    SDL_Surface* Scratch_For(const SDL_PixelFormat& format, int w, int h);

    static constexpr int Bucket_Size = 64;

    // Every sprite of the layer, and a grid of 64-pixel buckets over their
    // pictures listing the ones that reach into each.
    std::vector<Cover> Placed;
    std::vector<std::vector<int>> Buckets;
    int Grid_X = 0;
    int Grid_Y = 0;
    int Columns = 0;
    int Rows = 0;
    // Placed sprites already looked at for the figure in hand.
    std::vector<unsigned> Seen;
    unsigned Stamp = 0;

    std::vector<Cover> Covers;
    std::vector<Uint8> Shape;
    std::vector<Uint8> Covered;
    std::vector<Uint8> Kept;
    SDL_Surface* Target = nullptr;
    int Origin_X = 0;
    int Origin_Y = 0;
    int Width = 0;
    int Height = 0;
    std::vector<Uint8> Saved;
    std::vector<SDL_Surface*> Scratches;
};
