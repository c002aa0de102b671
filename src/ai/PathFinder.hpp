#pragma once

#include <cstdint>
#include <set>
#include <tuple>
#include <unordered_map>

#include "characters/Point_List.hpp"
#include "media/Point.hpp"
#include "media/Rect.hpp"

class BattleField;
class Character_Base;

// A* over the square lattice of a character's grid size, from its position
// to a destination, probing each node against the battlefield. Short-lived:
// made on the stack, asked once.
class PathFinder {
public:
    // Nodes expanded before a search gives up.
    static constexpr std::size_t Max_Closed_Nodes = 250;

    struct Node {
        float G = 0.0f;
        float H = 0.0f;
        float F = 0.0f;
        int Parent_X = 0;
        int Parent_Y = 0;
    };

    PathFinder() = default;

    // The waypoints after start up to the destination, or none. The
    // character's collision rectangle is back at its position afterwards.
    Point_List Get_Path(const GLINT::SDL::Point& start, const GLINT::SDL::Point& destination,
                        const GLINT::SDL::Point& gridSize, Character_Base& character,
                        const BattleField& battlefield);

    // Octile distance: √2 per diagonal pixel, 1 per straight one.
    static float Cost(int ax, int ay, int bx, int by);

private:
    using Key = std::int64_t;
    // Both halves as raw bits: negative positions are valid lattice nodes.
    static Key Make_Key(int x, int y) {
        return static_cast<Key>((static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32) |
                                static_cast<std::uint32_t>(y));
    }

    bool Convert_Dest_To_Reachable(const GLINT::SDL::Point& start, Character_Base& character,
                                   const BattleField& battlefield);
    void Add_Available_Adjacents_To_Open_List(int x, int y, Character_Base& character,
                                              const BattleField& battlefield);
    // The open node Best_Node's rule picks: least F, then least H, then least x, then least y.
    std::pair<int, int> Best_Node() const;
    void Add_To_Closed_List(int x, int y);
    void Set_Path();
    // May the character stand at (x, y)? Asked once per node and search.
    bool Probe(int x, int y, Character_Base& character, const BattleField& battlefield);

    GLINT::SDL::Point Grid_Size;
    // Open nodes by position, and the same nodes in Best_Node's order.
    std::unordered_map<Key, Node> Open_List;
    std::set<std::tuple<float, float, int, int>> Open_Order;
    std::unordered_map<Key, Node> Closed_List;
    std::unordered_map<Key, bool> Probes;
    Point_List Path;
    int Start_X = 0;
    int Start_Y = 0;
    int Destination_X = 0;
    int Destination_Y = 0;
    Node Start_Record;
    // The character's own box during the search: candidates overlapping it pass without a probe.
    GLINT::SDL::Rect Home_Box;
};
