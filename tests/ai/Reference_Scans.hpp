#pragma once

// The collision test and the path search written the plain way: every cell
// of both layers walked in order for each test, the open and closed lists as
// maps ordered by position, the best open node found by walking them, every
// node probed afresh. Slow, and obviously right; the game's indexed versions
// must give exactly the same answers. Beside them, what the AI tests share:
// characters that answer the terrain questions as each kind does, and small
// battlefields written for a test.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "../battlefield/BF_Fixture.hpp"
#include "battlefield/BattleField.hpp"
#include "battlefield/Terrain_Rules.hpp"
#include "characters/Character.hpp"
#include "characters/Point_List.hpp"
#include "media/Point.hpp"
#include "media/Rect.hpp"

namespace reference {

// A character answering the terrain questions as one kind of the game does.
class Kind_Character : public Character {
public:
    explicit Kind_Character(Character_Kind kind) : Kind(kind) {}
    bool Check_BG_Type_Allowed(const std::string& type) override { return ::Check_BG_Type_Allowed(Kind, type); }
    bool Check_Env_Type_Allowed(const std::string& type) override { return ::Check_Env_Type_Allowed(Kind, type); }

    // Position and box; the collision rectangle set on them, the whole field allowed.
    void Place(int x, int y, int xModifier, int yModifier, int width, int height) {
        CH_Base_All_Infos& infos = Infos();
        infos.X = x;
        infos.Y = y;
        infos.X_Modifier = xModifier;
        infos.Y_Modifier = yModifier;
        infos.CB_Width = width;
        infos.CB_Height = height;
        infos.Collision_Rect = infos.Home_Collision_Rect();
        infos.Allowed_Area = GLINT::SDL::Rect(0, 0, static_cast<Uint16>(BF_Width), static_cast<Uint16>(BF_Height));
    }

    const Character_Kind Kind;
};

// Boxes and paths as the tests print them.
inline std::string Text(const GLINT::SDL::Rect& r) {
    return "(" + std::to_string(r.getx()) + "," + std::to_string(r.gety()) + "," + std::to_string(r.getw()) + "," +
           std::to_string(r.geth()) + ")";
}

inline std::string Text(const Point_List& path) {
    std::string text;
    for (const GLINT::SDL::Point& p : path)
        text += "(" + std::to_string(p.getx()) + "," + std::to_string(p.gety()) + ")";
    return text;
}

// A placed sprite's collision box, in battlefield pixels.
struct Layer_Cell {
    int X, Y, W, H;
    const BattleField_Sprite* Sprite;
};

// Both layers of a battlefield, every cell in layer order (empty boxes too).
struct World {
    explicit World(const BattleField& battlefield)
        : Background(Read(battlefield.Get_BG_Layer(), battlefield.Get_BG_Mapping())),
          Environment(Read(battlefield.Get_Env_Layer(), battlefield.Get_Env_Mapping())) {}

    static std::vector<Layer_Cell> Read(const BF_Layer& layer, const BF_Sprite_Mapping& mapping) {
        std::vector<Layer_Cell> cells;
        for (const auto& placed : layer) {
            const BattleField_Sprite* s = mapping.at(placed.second->Id);
            cells.push_back({placed.first.first + s->Get_X_Modifier(), placed.first.second + s->Get_Y_Modifier(),
                             s->Get_CB_Width(), s->Get_CB_Height(), s});
        }
        return cells;
    }

    std::vector<Layer_Cell> Background, Environment;
};

// Each layer in turn, every cell in order: a cell the character may not enter and whose box shares
// a positive width and height with the rectangle blocks it, or pushes it out along the axis of
// least overlap, toward the side of the cell the overlap lies in.
template <class Allows>
bool Scan_Layer(const std::vector<Layer_Cell>& cells, GLINT::SDL::Rect& r, bool correct, Allows allows) {
    for (const Layer_Cell& b : cells) {
        const int x = std::max<int>(r.getx(), b.X), y = std::max<int>(r.gety(), b.Y);
        const int w = std::min<int>(r.getx() + r.getw(), b.X + b.W) - x;
        const int h = std::min<int>(r.gety() + r.geth(), b.Y + b.H) - y;
        if (w <= 0 || h <= 0 || allows(b.Sprite->Get_Type()))
            continue;
        if (!correct)
            return false;
        if (w <= h)
            r.setx(static_cast<Sint16>(x > b.X + b.W / 2 ? b.X + b.W : b.X - r.getw()));
        else
            r.sety(static_cast<Sint16>(y > b.Y + b.H / 2 ? b.Y + b.H : b.Y - r.geth()));
    }
    return true;
}

// The battlefield test: allowed area, then every ground cell, then every
// scenery cell, asking the character's own (uncached) terrain answers.
inline bool Manage_Collisions_BF(const World& world, Character_Base& character, bool correct) {
    CH_Base_All_Infos& infos = character.Infos();
    GLINT::SDL::Rect& r = infos.Collision_Rect;
    const GLINT::SDL::Rect saved = r;
    const GLINT::SDL::Rect& a = infos.Allowed_Area;
    if (correct) {
        r.setx(static_cast<Sint16>(std::min<int>(std::max<int>(r.getx(), a.getx()), a.getx() + a.getw() - r.getw())));
        r.sety(static_cast<Sint16>(std::min<int>(std::max<int>(r.gety(), a.gety()), a.gety() + a.geth() - r.geth())));
    } else if (r.getx() < a.getx() || r.getx() + r.getw() > a.getx() + a.getw() || r.gety() < a.gety() ||
               r.gety() + r.geth() > a.gety() + a.geth()) {
        return false;
    }
    return Scan_Layer(world.Background, r, correct,
                      [&](const std::string& type) { return character.Check_BG_Type_Allowed(type); }) &&
           Scan_Layer(world.Environment, r, correct,
                      [&](const std::string& type) { return character.Check_Env_Type_Allowed(type); }) &&
           r == saved;
}

inline float Cost(int ax, int ay, int bx, int by) {
    const int dx = std::abs(ax - bx), dy = std::abs(ay - by);
    const int m = std::min(dx, dy);
    return static_cast<float>(std::sqrt(2.0)) * static_cast<float>(m) + static_cast<float>(dx + dy) -
           static_cast<float>(2 * m);
}

// A* step by step, the plain way: probe, then closed-list check; a
// linear walk for the best node.
class Literal_PathFinder {
public:
    struct Node {
        float G = 0.0f, H = 0.0f, F = 0.0f;
        int Parent_X = 0, Parent_Y = 0;
    };
    using Key = std::pair<int, int>;

    explicit Literal_PathFinder(const World& world) : Field(world) {}

    // What the last search went through: probes made, nodes expanded, the ring of cells around a
    // blocked destination that gave the one searched for (0: not blocked, -1: none).
    long Probe_Count = 0;
    std::size_t Expanded = 0;
    int Ring = 0;

    Point_List Get_Path(const GLINT::SDL::Point& start, const GLINT::SDL::Point& destination,
                        const GLINT::SDL::Point& gridSize, Character_Base& character) {
        Probe_Count = 0;
        Ring = 0;
        Open.clear();
        Closed.clear();
        Path.clear();
        const Point_List result = Search(start, destination, gridSize, character);
        CH_Base_All_Infos& infos = character.Infos();
        infos.Collision_Rect.setx(static_cast<Sint16>(infos.X + infos.X_Modifier));
        infos.Collision_Rect.sety(static_cast<Sint16>(infos.Y + infos.Y_Modifier));
        Expanded = Closed.size();
        return result;
    }

private:
    static bool Overlap(int x, int y, int w, int h, const GLINT::SDL::Rect& b) {
        return x + w > b.getx() && b.getx() + b.getw() > x && y + h > b.gety() && b.gety() + b.geth() > y;
    }

    bool Probe(int x, int y, Character_Base& character) {
        ++Probe_Count;
        CH_Base_All_Infos& infos = character.Infos();
        infos.Collision_Rect.setx(static_cast<Sint16>(x + infos.X_Modifier));
        infos.Collision_Rect.sety(static_cast<Sint16>(y + infos.Y_Modifier));
        return Manage_Collisions_BF(Field, character, false);
    }

    Point_List Search(const GLINT::SDL::Point& start, const GLINT::SDL::Point& destination,
                      const GLINT::SDL::Point& gridSize, Character_Base& character) {
        CH_Base_All_Infos& infos = character.Infos();
        if (destination == start)
            return {};
        Start = {start.getx(), start.gety()};
        Home = GLINT::SDL::Rect(static_cast<Sint16>(infos.X + infos.X_Modifier),
                                static_cast<Sint16>(infos.Y + infos.Y_Modifier), infos.Collision_Rect.getw(),
                                infos.Collision_Rect.geth());
        if (Overlap(destination.getx() + infos.X_Modifier, destination.gety() + infos.Y_Modifier, infos.CB_Width,
                    infos.CB_Height, Home))
            return {destination};
        const int nx = std::max(0, start.getx() + infos.X_Modifier - infos.CB_Width);
        const int ny = std::max(0, start.gety() + infos.Y_Modifier - infos.CB_Height);
        if (destination.getx() > nx && destination.getx() < nx + 3 * infos.CB_Width && destination.gety() > ny &&
            destination.gety() < ny + 3 * infos.CB_Height)
            return {destination};
        if (gridSize.getx() == 0 || gridSize.gety() == 0)
            return {};
        Grid = {gridSize.getx(), gridSize.gety()};
        Destination = {destination.getx(), destination.gety()};
        if (!Probe(Destination.first, Destination.second, character)) {
            const Key kept = Destination;
            const std::uint32_t bar = Squared(Start, Destination);
            for (Ring = 1; Ring <= 2 && Destination == kept; ++Ring)
                for (int i = -Ring; i <= Ring; ++i)
                    for (int j = -Ring; j <= Ring; ++j) {
                        // Around the destination as it is by now.
                        const Key c{Destination.first + i * Grid.first, Destination.second + j * Grid.second};
                        if ((std::abs(i) == Ring || std::abs(j) == Ring) && Probe(c.first, c.second, character) &&
                            Squared(c, Start) < bar)
                            Destination = c;
                    }
            if (Destination == kept) {
                Ring = -1;
                return {};
            }
            --Ring;
        }

        Node first;
        first.H = first.F = Cost(Start.first, Start.second, Destination.first, Destination.second);
        first.Parent_X = Start.first;
        first.Parent_Y = Start.second;
        Closed[Start] = first;
        for (Key current = Start;;) {
            Add_Available_Adjacents_To_Open_List(current, character);
            if (Open.empty() || Closed.size() >= 250)
                break;
            current = Best_Node();
            Closed[current] = Open[current];
            Open.erase(current);
            if (current == Destination) {
                for (Key k = Destination; k != Start; k = {Closed[k].Parent_X, Closed[k].Parent_Y})
                    Path.push_front(GLINT::SDL::Point(static_cast<Sint16>(k.first), static_cast<Sint16>(k.second)));
                break;
            }
        }
        return Path;
    }

    static std::uint32_t Squared(Key a, Key b) {
        const std::uint32_t dx = static_cast<std::uint32_t>(a.first - b.first);
        const std::uint32_t dy = static_cast<std::uint32_t>(a.second - b.second);
        return dx * dx + dy * dy;
    }

    void Add_Available_Adjacents_To_Open_List(Key k, Character_Base& character) {
        const CH_Base_All_Infos& infos = character.Infos();
        for (int i = -1; i <= 1; ++i)
            for (int j = -1; j <= 1; ++j) {
                if (i == 0 && j == 0)
                    continue;
                const int x = k.first + i * Grid.first, y = k.second + j * Grid.second;
                const bool passable =
                    Overlap(x + infos.X_Modifier, y + infos.Y_Modifier, infos.CB_Width, infos.CB_Height, Home) ||
                    Probe(x, y, character);
                if (!passable || Closed.count({x, y}))
                    continue;
                Node node;
                node.G = Closed[k].G + Cost(x, y, k.first, k.second);
                node.H = Cost(x, y, Destination.first, Destination.second);
                node.F = node.G + node.H;
                node.Parent_X = k.first;
                node.Parent_Y = k.second;
                const auto open = Open.find({x, y});
                if (open == Open.end())
                    Open[{x, y}] = node;
                else if (node.F < open->second.F)
                    open->second = node;
                if (node.H == 0.0f)
                    return;
            }
    }

    Key Best_Node() const {
        auto best = Open.begin();
        for (auto it = Open.begin(); it != Open.end(); ++it)
            if (it->second.F < best->second.F || (it->second.F == best->second.F && it->second.H < best->second.H))
                best = it;
        return best->first;
    }

    const World& Field;
    std::map<Key, Node> Open, Closed;
    Point_List Path;
    Key Start, Destination, Grid;
    GLINT::SDL::Rect Home;
};

// --- Small fields for the tests ---

// A box of ground (or scenery) placed on a test field: the sprite at (X, Y)
// with its collision box offset by the modifiers, of the given type.
struct Placed_Box {
    bool Scenery;
    int X, Y, X_Modifier, Y_Modifier, W, H;
    std::string Type;
};

inline Placed_Box Ground(int x, int y, int w, int h, const std::string& type = "Lake") {
    return {false, x, y, 0, 0, w, h, type};
}

// A battlefield written to a temporary folder, each box a sprite of its own.
class Box_Field {
public:
    explicit Box_Field(const std::vector<Placed_Box>& boxes, int width = 2000, int height = 1000) {
        bf_test::BF_Fixture::Bindings ground, scenery;
        std::string background, environment;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const Placed_Box& box = boxes[i];
            const int id = static_cast<int>(i) + 1;
            const std::string name = "box" + std::to_string(id);
            Files.Write_Sprite(name, box.Type, 8, 8, id % 6,
                               bf_test::BF_Fixture::Box(box.X_Modifier, box.Y_Modifier, box.W, box.H), 1, 1);
            (box.Scenery ? scenery : ground).emplace_back(id, name);
            (box.Scenery ? environment : background) +=
                bf_test::BF_Fixture::Sprite(box.Scenery ? "Environment" : "Background", box.X, box.Y, id);
        }
        Files.Write_Mapping(ground, scenery);
        Field = std::make_unique<BattleField>(
            Files.Write_Description(bf_test::BF_Fixture::Layers(background, environment), 0, width, height));
    }

    const BattleField& operator*() const { return *Field; }

    bf_test::BF_Fixture Files;
    std::unique_ptr<BattleField> Field;
};

} // namespace reference
