#pragma once

#include <vector>

#include "battlefield/BattleField.hpp"
#include "media/Rect.hpp"

class BattleField_Sprite;

// A bucket grid over the collision boxes of one map layer. It answers, for a
// rectangle, the next cell in layer order whose box overlaps it strictly:
// exactly the cells a full scan of the layer would find colliding, in the
// same order, without looking at the others. Cells whose box is empty never
// collide and are left out. Built once with the battlefield, read-only after.
class BF_Layer_Index {
public:
    struct Cell {
        int X; // the collision box in battlefield pixels
        int Y;
        int W;
        int H;
        const BattleField_Sprite* Sprite;
    };

    BF_Layer_Index() = default;
    BF_Layer_Index(const BF_Layer& layer, const BF_Sprite_Mapping& mapping);

    // The index (layer order) of the first cell after `after` whose box
    // overlaps rect strictly; -1 when there is none. Start with after = -1.
    int Next(const GLINT::SDL::Rect& rect, int after) const;
    const Cell& Get_Cell(int index) const { return Cells[static_cast<std::size_t>(index)]; }
    std::size_t Size() const { return Cells.size(); }

private:
    static constexpr int Bucket_Size = 64;

    std::vector<Cell> Cells;
    // Bucket (column, row) lists its cells' indices in ascending order.
    std::vector<std::vector<int>> Buckets;
    int Origin_X = 0;
    int Origin_Y = 0;
    int Columns = 0;
    int Rows = 0;
};
