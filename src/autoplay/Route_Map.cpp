#include "autoplay/Route_Map.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <queue>
#include <utility>

#include "ai/AI.hpp"
#include "ai/PathFinder.hpp"
#include "battlefield/BattleField.hpp"
#include "characters/CH_Base_All_Infos.hpp"
#include "characters/Character_Base.hpp"

using GLINT::SDL::Point;

Route_Map::Route_Map(const BattleField& battlefield, Character_Base& character) {
    CH_Base_All_Infos& infos = character.Infos();
    Column_Count = std::max(0, (BF_Width - infos.Default_Sprite_Width) / Step + 1);
    Row_Count = std::max(0, (BF_Height - infos.Default_Sprite_Height) / Step + 1);
    Free_Flags.assign(static_cast<std::size_t>(Column_Count) * static_cast<std::size_t>(Row_Count), 0);
    const GLINT::SDL::Rect kept = infos.Collision_Rect;
    for (int row = 0; row < Row_Count; ++row)
        for (int column = 0; column < Column_Count; ++column) {
            infos.Collision_Rect.setx(static_cast<Sint16>(column * Step + infos.X_Modifier));
            infos.Collision_Rect.sety(static_cast<Sint16>(row * Step + infos.Y_Modifier));
            Free_Flags[Index(column, row)] = AI::Manage_Collisions_BF(battlefield, character, false) ? 1 : 0;
        }
    infos.Collision_Rect = kept;
}

bool Route_Map::Free(int column, int row) const {
    return column >= 0 && row >= 0 && column < Column_Count && row < Row_Count && Free_Flags[Index(column, row)];
}

bool Route_Map::Free_At(int x, int y) const {
    return x % Step == 0 && y % Step == 0 && Free(x / Step, y / Step);
}

int Route_Map::Free_Nodes() const { return static_cast<int>(std::count(Free_Flags.begin(), Free_Flags.end(), 1)); }

int Route_Map::Nearest_Free_Node(int x, int y) const {
    const int column = (x + Step / 2) / Step, row = (y + Step / 2) / Step;
    int best = -1;
    long bestDistance = std::numeric_limits<long>::max();
    for (int radius = 0; radius <= 4 && best < 0; ++radius)
        for (int r = row - radius; r <= row + radius; ++r)
            for (int c = column - radius; c <= column + radius; ++c) {
                if (std::max(std::abs(r - row), std::abs(c - column)) != radius || !Free(c, r))
                    continue;
                const long dx = c * Step - x, dy = r * Step - y;
                const long distance = dx * dx + dy * dy;
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = Index(c, r);
                }
            }
    return best;
}

Point_List Route_Map::Route(const Point& start, const Point& goal) const {
    Point_List route;
    const int from = Nearest_Free_Node(start.getx(), start.gety());
    const int to = Nearest_Free_Node(goal.getx(), goal.gety());
    if (from < 0 || to < 0 || from == to)
        return route;

    // A* over the eight neighbours; a diagonal step needs both straight ones
    // free, or the box would clip the corner between them.
    const int goalColumn = to % Column_Count, goalRow = to / Column_Count;
    const auto estimate = [&](int node) {
        return PathFinder::Cost(node % Column_Count, node / Column_Count, goalColumn, goalRow);
    };
    std::vector<float> cost(Free_Flags.size(), std::numeric_limits<float>::infinity());
    std::vector<int> parent(Free_Flags.size(), -1);
    using Entry = std::pair<float, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    cost[from] = 0.0f;
    open.emplace(estimate(from), from);
    while (!open.empty()) {
        const int node = open.top().second;
        const float f = open.top().first;
        open.pop();
        if (node == to)
            break;
        if (f > cost[node] + estimate(node) + 1e-3f)
            continue;
        const int column = node % Column_Count, row = node / Column_Count;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                if ((dx == 0 && dy == 0) || !Free(column + dx, row + dy))
                    continue;
                if (dx != 0 && dy != 0 && (!Free(column + dx, row) || !Free(column, row + dy)))
                    continue;
                const int next = Index(column + dx, row + dy);
                const float g = cost[node] + (dx != 0 && dy != 0 ? 1.41421356f : 1.0f);
                if (g < cost[next]) {
                    cost[next] = g;
                    parent[next] = node;
                    open.emplace(g + estimate(next), next);
                }
            }
    }
    if (parent[to] < 0)
        return route;
    for (int node = to; node != from; node = parent[node])
        route.push_front(Point(static_cast<Sint16>(node % Column_Count * Step), static_cast<Sint16>(node / Column_Count * Step)));
    return route;
}
