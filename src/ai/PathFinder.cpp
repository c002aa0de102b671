#include "ai/PathFinder.hpp"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include "ai/AI.hpp"
#include "characters/Character_Base.hpp"
#include "shell/Error_Chain.hpp"

using GLINT::SDL::Point;
using GLINT::SDL::Rect;

namespace {

// Puts the collision rectangle back on the character's position however the
// search ends: probes move it around, and an exception may cut them short.
class Rect_Restorer {
public:
    explicit Rect_Restorer(CH_Base_All_Infos& infos) : Infos(infos) {}
    ~Rect_Restorer() {
        Infos.Collision_Rect.setx(static_cast<Sint16>(Infos.X + Infos.X_Modifier));
        Infos.Collision_Rect.sety(static_cast<Sint16>(Infos.Y + Infos.Y_Modifier));
    }
    Rect_Restorer(const Rect_Restorer&) = delete;
    Rect_Restorer& operator=(const Rect_Restorer&) = delete;

private:
    CH_Base_All_Infos& Infos;
};

bool Overlap_Strictly(int ax, int ay, int aw, int ah, const Rect& b) {
    return ax + aw > b.getx() && b.getx() + b.getw() > ax && ay + ah > b.gety() && b.gety() + b.geth() > ay;
}

std::uint32_t Squared_Distance(int ax, int ay, int bx, int by) {
    const std::uint32_t dx = static_cast<std::uint32_t>(ax - bx), dy = static_cast<std::uint32_t>(ay - by);
    return dx * dx + dy * dy;
}

} // namespace

float PathFinder::Cost(int ax, int ay, int bx, int by) {
    static const float root2 = static_cast<float>(std::sqrt(2.0));
    const int dx = std::abs(ax - bx), dy = std::abs(ay - by);
    const int m = dx < dy ? dx : dy;
    return root2 * static_cast<float>(m) + static_cast<float>(dx + dy) - static_cast<float>(2 * m);
}

Point_List PathFinder::Get_Path(const Point& start, const Point& destination, const Point& gridSize,
                                Character_Base& character, const BattleField& battlefield) {
    return Chain_Errors("PathFinder::Get_Path(), ", "Unhandled Error In PathFinder::Get_Path()", [&] {
        CH_Base_All_Infos& infos = character.Infos();
        const Rect_Restorer restorer(infos);
        Open_List.clear();
        Open_Order.clear();
        Closed_List.clear();
        Probes.clear();
        Path.clear();

        if (destination == start)
            return Point_List();
        Start_X = start.getx();
        Start_Y = start.gety();
        Home_Box = Rect(static_cast<Sint16>(infos.X + infos.X_Modifier), static_cast<Sint16>(infos.Y + infos.Y_Modifier),
                        infos.Collision_Rect.getw(), infos.Collision_Rect.geth());

        // Close enough to walk straight there.
        const int dx = destination.getx(), dy = destination.gety();
        if (Overlap_Strictly(dx + infos.X_Modifier, dy + infos.Y_Modifier, infos.CB_Width, infos.CB_Height, Home_Box))
            return Point_List(1, destination);
        const int nx = std::max(0, Start_X + infos.X_Modifier - infos.CB_Width);
        const int ny = std::max(0, Start_Y + infos.Y_Modifier - infos.CB_Height);
        if (dx > nx && dx < nx + 3 * infos.CB_Width && dy > ny && dy < ny + 3 * infos.CB_Height)
            return Point_List(1, destination);

        // Without a step there is no lattice to search.
        if (gridSize.getx() == 0 || gridSize.gety() == 0)
            return Point_List();
        Grid_Size = gridSize;
        Destination_X = dx;
        Destination_Y = dy;
        if (!Convert_Dest_To_Reachable(start, character, battlefield))
            return Point_List();

        Open_List.reserve(2 * Max_Closed_Nodes);
        Closed_List.reserve(2 * Max_Closed_Nodes);
        Probes.reserve(4 * Max_Closed_Nodes);
        Start_Record = Node();
        Start_Record.H = Start_Record.F = Cost(Start_X, Start_Y, Destination_X, Destination_Y);
        Start_Record.Parent_X = Start_X;
        Start_Record.Parent_Y = Start_Y;
        Open_List.emplace(Make_Key(Start_X, Start_Y), Start_Record);
        Open_Order.emplace(Start_Record.F, Start_Record.H, Start_X, Start_Y);
        Add_To_Closed_List(Start_X, Start_Y);

        int x = Start_X, y = Start_Y;
        for (;;) {
            Add_Available_Adjacents_To_Open_List(x, y, character, battlefield);
            if (Open_List.empty() || Closed_List.size() >= Max_Closed_Nodes)
                break;
            const std::pair<int, int> best = Best_Node();
            Add_To_Closed_List(best.first, best.second);
            if (best.first == Destination_X && best.second == Destination_Y) {
                Set_Path();
                break;
            }
            x = best.first;
            y = best.second;
        }
        return Path;
    });
}

bool PathFinder::Probe(int x, int y, Character_Base& character, const BattleField& battlefield) {
    const auto known = Probes.find(Make_Key(x, y));
    if (known != Probes.end())
        return known->second;
    CH_Base_All_Infos& infos = character.Infos();
    infos.Collision_Rect.setx(static_cast<Sint16>(x + infos.X_Modifier));
    infos.Collision_Rect.sety(static_cast<Sint16>(y + infos.Y_Modifier));
    const bool free = AI::Manage_Collisions_BF(battlefield, character, false);
    Probes.emplace(Make_Key(x, y), free);
    return free;
}

bool PathFinder::Convert_Dest_To_Reachable(const Point& start, Character_Base& character,
                                           const BattleField& battlefield) {
    return Chain_Errors(
        "PathFinder::Convert_Dest_To_Reachable(), ", "Unhandled Error In PathFinder::Convert_Dest_To_Reachable()", [&] {
            if (Probe(Destination_X, Destination_Y, character, battlefield))
                return true;
            const int sx = start.getx(), sy = start.gety();
            const int keptX = Destination_X, keptY = Destination_Y;
            // The first blocked distance stays the bar: a later candidate need
            // only beat it, not the candidate taken before.
            const std::uint32_t bar = Squared_Distance(keptX, keptY, sx, sy);
            const auto ring = [&](int radius) {
                for (int i = -radius; i <= radius; ++i)
                    for (int j = -radius; j <= radius; ++j) {
                        if (std::abs(i) != radius && std::abs(j) != radius)
                            continue;
                        const int cx = Destination_X + i * Grid_Size.getx(), cy = Destination_Y + j * Grid_Size.gety();
                        if (Probe(cx, cy, character, battlefield) && Squared_Distance(cx, cy, sx, sy) < bar) {
                            Destination_X = cx;
                            Destination_Y = cy;
                        }
                    }
            };
            ring(1);
            if (Destination_X != keptX || Destination_Y != keptY)
                return true;
            ring(2);
            return Destination_X != keptX || Destination_Y != keptY;
        });
}

void PathFinder::Add_Available_Adjacents_To_Open_List(int x, int y, Character_Base& character,
                                                      const BattleField& battlefield) {
    Chain_Errors("PathFinder::Add_Available_Adjacents_To_Open_List(), ",
                 "Unhandled Error In PathFinder::Add_Available_Adjacents_To_Open_List()", [&] {
                     const CH_Base_All_Infos& infos = character.Infos();
                     const float baseG = Closed_List.at(Make_Key(x, y)).G;
                     for (int i = -1; i <= 1; ++i)
                         for (int j = -1; j <= 1; ++j) {
                             if (i == 0 && j == 0)
                                 continue;
                             const int cx = x + i * Grid_Size.getx(), cy = y + j * Grid_Size.gety();
                             const Key key = Make_Key(cx, cy);
                             // An expanded node is never reopened: no need to probe it.
                             if (Closed_List.count(key))
                                 continue;
                             // Still partly on the character's own box: it can get there.
                             if (!Overlap_Strictly(cx + infos.X_Modifier, cy + infos.Y_Modifier, infos.CB_Width,
                                                   infos.CB_Height, Home_Box) &&
                                 !Probe(cx, cy, character, battlefield))
                                 continue;
                             Node node;
                             node.G = baseG + Cost(cx, cy, x, y);
                             node.H = Cost(cx, cy, Destination_X, Destination_Y);
                             node.F = node.G + node.H;
                             node.Parent_X = x;
                             node.Parent_Y = y;
                             const auto open = Open_List.find(key);
                             if (open == Open_List.end()) {
                                 Open_List.emplace(key, node);
                                 Open_Order.emplace(node.F, node.H, cx, cy);
                             } else if (node.F < open->second.F) {
                                 Open_Order.erase(std::make_tuple(open->second.F, open->second.H, cx, cy));
                                 open->second = node;
                                 Open_Order.emplace(node.F, node.H, cx, cy);
                             }
                             if (node.H == 0.0f)
                                 return;
                         }
                 });
}

std::pair<int, int> PathFinder::Best_Node() const {
    return Chain_Errors("PathFinder::Best_Node(), ", "Unhandled Error In PathFinder::Best_Node()", [&] {
        if (Open_Order.empty())
            throw std::logic_error("Open_List Is Empty");
        // Least F, then least H, then the smaller x, then y: the order of the set.
        const auto& best = *Open_Order.begin();
        return std::make_pair(std::get<2>(best), std::get<3>(best));
    });
}

void PathFinder::Add_To_Closed_List(int x, int y) {
    Chain_Errors("PathFinder::Add_To_Closed_List(), ", "Unhandled Error In PathFinder::Add_To_Closed_List()", [&] {
        const auto open = Open_List.find(Make_Key(x, y));
        if (open == Open_List.end())
            throw std::logic_error("Not present in Open_List !!! Can't Erase It !");
        Open_Order.erase(std::make_tuple(open->second.F, open->second.H, x, y));
        Closed_List[open->first] = open->second;
        Open_List.erase(open);
    });
}

void PathFinder::Set_Path() {
    Chain_Errors("PathFinder::Set_Path(), ", "Unhandled Error In PathFinder::Set_Path()", [&] {
        Path.push_front(Point(static_cast<Sint16>(Destination_X), static_cast<Sint16>(Destination_Y)));
        Node node = Closed_List.at(Make_Key(Destination_X, Destination_Y));
        while (node.Parent_X != Start_X || node.Parent_Y != Start_Y) {
            Path.push_front(Point(static_cast<Sint16>(node.Parent_X), static_cast<Sint16>(node.Parent_Y)));
            node = Closed_List.at(Make_Key(node.Parent_X, node.Parent_Y));
        }
    });
}
