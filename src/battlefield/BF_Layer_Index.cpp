#include "battlefield/BF_Layer_Index.hpp"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "battlefield/BF_Helpers.hpp"
#include "battlefield/BattleField_Sprite.hpp"

namespace {

// Rounds toward minus infinity: boxes may start left of or above the origin.
int Floor_Div(int value, int divisor) {
    const int q = value / divisor;
    return (value % divisor != 0 && value < 0) ? q - 1 : q;
}

} // namespace

BF_Layer_Index::BF_Layer_Index(const BF_Layer& layer, const BF_Sprite_Mapping& mapping) {
    Cells.reserve(layer.size());
    for (const auto& placed : layer) {
        const auto found = mapping.find(placed.second->Id);
        if (found == mapping.end() || !found->second)
            throw std::logic_error("No Sprite Mapped For Id " + Int_To_String(placed.second->Id));
        const BattleField_Sprite* sprite = found->second;
        const Cell cell = {placed.first.first + sprite->Get_X_Modifier(), placed.first.second + sprite->Get_Y_Modifier(),
                           sprite->Get_CB_Width(), sprite->Get_CB_Height(), sprite};
        // An empty box has no positive-area intersection with anything.
        if (cell.W > 0 && cell.H > 0)
            Cells.push_back(cell);
    }
    if (Cells.empty())
        return;

    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const Cell& cell : Cells) {
        left = std::min(left, cell.X);
        top = std::min(top, cell.Y);
        right = std::max(right, cell.X + cell.W);
        bottom = std::max(bottom, cell.Y + cell.H);
    }
    Origin_X = left;
    Origin_Y = top;
    Columns = (right - left - 1) / Bucket_Size + 1;
    Rows = (bottom - top - 1) / Bucket_Size + 1;
    Buckets.assign(static_cast<std::size_t>(Columns) * static_cast<std::size_t>(Rows), std::vector<int>());

    // Walking the cells in layer order keeps every bucket's list sorted.
    for (std::size_t i = 0; i < Cells.size(); ++i) {
        const Cell& cell = Cells[i];
        const int c0 = (cell.X - Origin_X) / Bucket_Size, c1 = (cell.X + cell.W - 1 - Origin_X) / Bucket_Size;
        const int r0 = (cell.Y - Origin_Y) / Bucket_Size, r1 = (cell.Y + cell.H - 1 - Origin_Y) / Bucket_Size;
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                Buckets[static_cast<std::size_t>(r * Columns + c)].push_back(static_cast<int>(i));
    }
}

int BF_Layer_Index::Next(const GLINT::SDL::Rect& rect, int after) const {
    const int x = rect.getx(), y = rect.gety(), w = rect.getw(), h = rect.geth();
    if (w == 0 || h == 0 || Cells.empty())
        return -1;
    // Two boxes overlap strictly exactly when they share a pixel, and every
    // cell is listed in each bucket holding one of its pixels: the buckets
    // under the rectangle's pixels see every cell it overlaps.
    int c0 = Floor_Div(x - Origin_X, Bucket_Size), c1 = Floor_Div(x + w - 1 - Origin_X, Bucket_Size);
    int r0 = Floor_Div(y - Origin_Y, Bucket_Size), r1 = Floor_Div(y + h - 1 - Origin_Y, Bucket_Size);
    if (c1 < 0 || r1 < 0 || c0 >= Columns || r0 >= Rows)
        return -1;
    c0 = std::max(c0, 0);
    r0 = std::max(r0, 0);
    c1 = std::min(c1, Columns - 1);
    r1 = std::min(r1, Rows - 1);

    int best = INT_MAX;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) {
            const std::vector<int>& bucket = Buckets[static_cast<std::size_t>(r * Columns + c)];
            for (auto it = std::upper_bound(bucket.begin(), bucket.end(), after); it != bucket.end() && *it < best;
                 ++it) {
                const Cell& cell = Cells[static_cast<std::size_t>(*it)];
                if (cell.X < x + w && x < cell.X + cell.W && cell.Y < y + h && y < cell.Y + cell.H) {
                    best = *it;
                    break;
                }
            }
        }
    return best == INT_MAX ? -1 : best;
}
