#pragma once

#include <guichan/rectangle.hpp>

// Where the texts over the play go, from their sizes and the screen's width:
// the monster counter in the top right corner, the status line centred at
// the top. The player's bars hold the top left corner. When the status line
// would run into the bars or the counter, it moves to the row below them,
// still centred; a line wider than the screen is cut to fit first.
// Rectangles are the widgets' own, frames excluded.
class HUD_Layout {
public:
    HUD_Layout() = delete;

    // The counter's distance from the right edge, and its y.
    static constexpr int Counter_Margin = 10;
    // The status line's y when it stays on the top row, and its frame.
    static constexpr int Status_Top = 5;
    static constexpr int Status_Frame = 2;
    // Free pixels kept between the status line's frame and its neighbours.
    static constexpr int Gap = 3;

    static gcn::Rectangle Counter(int screenWidth, int width, int height);
    static gcn::Rectangle Status(int screenWidth, int width, int height, const gcn::Rectangle& bars,
                                 const gcn::Rectangle& counter);
    // The widest status line a screen of that width shows whole, its frame and a gap on each side.
    static int Status_Width_Limit(int screenWidth);
    // Whether the two overlap once a's frame and the gap are added round it.
    static bool Crowds(const gcn::Rectangle& a, int frame, const gcn::Rectangle& b);
};
