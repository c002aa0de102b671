#include "IconArt.hpp"

#include "Emblem.hpp"

Canvas IconArt::paint() {
    // SDL shows the icon without a mask, so the tile is part of the picture.
    Canvas c(Size, Size, Palette::Night);
    c.frame(0, 0, Size, Size, Palette::Black);
    Emblem::paint(c, (Size - Emblem::Width) / 2, 1);
    return c;
}
