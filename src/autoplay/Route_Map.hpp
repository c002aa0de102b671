#pragma once

#include <cstdint>
#include <vector>

#include "characters/Point_List.hpp"
#include "media/Point.hpp"

class BattleField;
class Character_Base;

// Where a character can stand, over the whole field, for routes longer than
// the game's path finder searches: a lattice of Step pixels whose every node
// is probed once with the character's collision box against the battlefield.
// Positions are the character's own (its X, Y), not its box's.
class Route_Map {
public:
    static constexpr int Step = 16;

    // Probes every node; the character's box is back at its place afterwards.
    Route_Map(const BattleField& battlefield, Character_Base& character);

    // The nodes to walk through from the node nearest start to the free node
    // nearest goal, that one included; empty when start is that node or no
    // route joins them.
    Point_List Route(const GLINT::SDL::Point& start, const GLINT::SDL::Point& goal) const;

    bool Free_At(int x, int y) const;
    int Columns() const { return Column_Count; }
    int Rows() const { return Row_Count; }
    int Free_Nodes() const;

private:
    int Index(int column, int row) const { return row * Column_Count + column; }
    bool Free(int column, int row) const;
    // The free node nearest (x, y) within a few steps; -1 when there is none.
    int Nearest_Free_Node(int x, int y) const;

    int Column_Count = 0;
    int Row_Count = 0;
    std::vector<std::uint8_t> Free_Flags;
};
