#include "ai/AI.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "ai/Characters_Map.hpp"
#include "ai/PathFinder.hpp"
#include "battlefield/BF_Helpers.hpp"
#include "battlefield/BF_Layer_Index.hpp"
#include "battlefield/BattleField.hpp"
#include "characters/Character_Animation.hpp"
#include "characters/Character_Animations_Center.hpp"
#include "characters/Character_Base.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Random.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::Point;
using GLINT::SDL::Rect;

namespace {

struct Box {
    int X, Y, W, H;
};

// The part of r that box covers; empty (0 x 0) unless both have a positive
// width and height in common.
Box Intersection(const Rect& r, const Box& box) {
    const int left = std::max<int>(r.getx(), box.X), top = std::max<int>(r.gety(), box.Y);
    const int right = std::min(r.getx() + r.getw(), box.X + box.W);
    const int bottom = std::min(r.gety() + r.geth(), box.Y + box.H);
    if (right <= left || bottom <= top)
        return Box{0, 0, 0, 0};
    return Box{left, top, right - left, bottom - top};
}

// Touching edges included: the cheap test before the intersection.
bool Candidate(const Rect& r, const Box& box) {
    return box.X + box.W >= r.getx() && box.Y + box.H >= r.gety() && box.X <= r.getx() + r.getw() &&
           box.Y <= r.gety() + r.geth();
}

// Out of the obstacle along the axis it overlaps least, toward the side of
// the obstacle the overlap lies in.
void Push_Out(Rect& r, const Box& box, const Box& overlap) {
    if (overlap.W <= overlap.H) {
        if (overlap.X > box.X + box.W / 2)
            r.setx(static_cast<Sint16>(box.X + box.W));
        else
            r.setx(static_cast<Sint16>(box.X - r.getw()));
    } else {
        if (overlap.Y > box.Y + box.H / 2)
            r.sety(static_cast<Sint16>(box.Y + box.H));
        else
            r.sety(static_cast<Sint16>(box.Y - r.geth()));
    }
}

// The index hands out only the cells a full scan of the layer would find
// colliding, in layer order, each against the rectangle as it is by then.
template <class Allows>
bool Scan_Layer(const BF_Layer_Index& index, Rect& r, bool correct, Allows allows) {
    for (int i = index.Next(r, -1); i >= 0; i = index.Next(r, i)) {
        const BF_Layer_Index::Cell& cell = index.Get_Cell(i);
        if (allows(*cell.Sprite))
            continue;
        if (!correct)
            return false;
        const Box box{cell.X, cell.Y, cell.W, cell.H};
        Push_Out(r, box, Intersection(r, box));
    }
    return true;
}

} // namespace

void AI::Fill_Collision_Map(const int& x, const int& y, Character_Base* character) {
    Chain_Errors("From AI::Fill_Collision_Map(), ", "Unhandled Error In AI::Fill_Collision_Map()", [&] {
        if (!Characters_Map::Instance().Insert(x, y, character))
            throw std::logic_error("Failed To Insert Element @: ( " + Int_To_String(x) + ", " + Int_To_String(y) +
                                   ") In Characters_Map. The Collision Management At Creation Must Have Failed...");
    });
}

bool AI::Manage_Collisions_BF(const BattleField& battlefield, Character_Base& character, bool correct) {
    return Chain_Errors("Error In AI::Manage_Collisions_BF() : ", "Unhandled Error In AI::Manage_Collisions_BF()", [&] {
        CH_Base_All_Infos& infos = character.Infos();
        Rect& r = infos.Collision_Rect;
        const Rect saved = r;
        const Rect& area = infos.Allowed_Area;
        const int ax = area.getx(), ay = area.gety(), aw = area.getw(), ah = area.geth();
        if (correct) {
            r.setx(static_cast<Sint16>(std::min(std::max<int>(r.getx(), ax), ax + aw - r.getw())));
            r.sety(static_cast<Sint16>(std::min(std::max<int>(r.gety(), ay), ay + ah - r.geth())));
        } else if (r.getx() < ax || r.getx() + r.getw() > ax + aw || r.gety() < ay || r.gety() + r.geth() > ay + ah) {
            return false;
        }

        if (!Scan_Layer(battlefield.Get_BG_Index(), r, correct,
                        [&](const BattleField_Sprite& sprite) { return character.Allows_BG_Sprite(sprite); }))
            return false;
        if (!Scan_Layer(battlefield.Get_Env_Index(), r, correct,
                        [&](const BattleField_Sprite& sprite) { return character.Allows_Env_Sprite(sprite); }))
            return false;
        return r == saved;
    });
}

bool AI::Manage_Collisions_CH(Character_Base& character, bool correct) {
    return Chain_Errors("Error In AI::Manage_Collisions_CH() : ", "Unhandled Error In AI::Manage_Collisions_CH()", [&] {
        CH_Base_All_Infos& infos = character.Infos();
        if (infos.Life_State == -2)
            return true;
        Rect& r = infos.Collision_Rect;
        const Rect saved = r;
        for (const Characters_Map::Entry& entry : Characters_Map::Instance().Entries()) {
            const CH_Base_All_Infos& other = entry.Character->Infos();
            const Box box{*entry.X + other.X_Modifier, *entry.Y + other.Y_Modifier, other.CB_Width, other.CB_Height};
            if (!Candidate(r, box))
                continue;
            // Nothing tells the moving character's own entry apart but its position.
            if (*entry.X == infos.X && *entry.Y == infos.Y)
                continue;
            // The dead are not drawn and stay on the field (NPCs are never removed): they block no one.
            if (other.Life_State == -2)
                continue;
            const Box overlap = Intersection(r, box);
            if (overlap.W == 0 && overlap.H == 0)
                continue;
            if (!correct)
                return false;
            Push_Out(r, box, overlap);
        }
        return r == saved;
    });
}

bool AI::Manage_Collisions_Full(Character_Base& character, const BattleField& battlefield, bool correct) {
    return Chain_Errors("Error In AI::Manage_Collisions_Full() : ", "Unhandled Error In AI::Manage_Collisions_Full()",
                        [&] {
                            if (!Manage_Collisions_BF(battlefield, character, correct))
                                return false;
                            return Manage_Collisions_CH(character, correct);
                        });
}

GLINT::SDL::Point AI::Get_Grid_Size(Character_Base& character) {
    return Chain_Errors("Error In AI::Get_Grid_Size() : ", "Unhandled Error In AI::Get_Grid_Size()", [&] {
        const CH_Base_All_Infos& infos = character.Infos();
        const Characteristics& stats = *infos.CH_Characteristics;
        const bool running = stats.Running;
        int frames = 1;
        if (const Character_Animations_Center* centre = infos.Animation_Center) {
            const Character_Animation* cycle = running ? centre->Get_Run() : centre->Get_Walk();
            if (cycle)
                frames = cycle->Frames;
        }
        // One full cycle of steps; a side of 0 (no speed) is the callers' to handle.
        const int side = (running ? stats.Run_Velocity : stats.Velocity) * frames;
        return GLINT::SDL::Point(static_cast<Sint16>(side), static_cast<Sint16>(side));
    });
}

// --- Decisions ---

namespace {

Point Make_Point(int x, int y) { return Point(static_cast<Sint16>(x), static_cast<Sint16>(y)); }

Point Centre_Of(const Rect& r) { return Make_Point(r.getx() + r.getw() / 2, r.gety() + r.geth() / 2); }

std::uint64_t Squared_Distance(const Point& a, const Point& b) {
    const std::int64_t dx = a.getx() - b.getx();
    const std::int64_t dy = a.gety() - b.gety();
    return static_cast<std::uint64_t>(dx * dx + dy * dy);
}

// The angle (0..360, 0 straight down, growing anticlockwise on screen) from A
// toward B; false when the two points are the same and there is no angle.
bool Angle_Toward(const Point& a, const Point& b, int& angle) {
    const double toP = static_cast<double>(Squared_Distance(a, Make_Point(b.getx(), a.gety())));
    const double toB = static_cast<double>(Squared_Distance(a, b));
    if (toB == 0.0)
        return false;
    const int theta = static_cast<int>(std::acos(std::sqrt(toP / toB)) * 180.0 / M_PI);
    if (b.getx() < a.getx() && b.gety() >= a.gety())
        angle = 90 - theta;
    else if (b.getx() <= a.getx() && b.gety() < a.gety())
        angle = theta + 90;
    else if (b.getx() > a.getx() && b.gety() <= a.gety())
        angle = 270 - theta;
    else
        angle = theta + 270;
    return true;
}

int Direction_Of_Angle(int angle) {
    using S = Game_Settings;
    const double a = angle;
    if (a <= 22.5 || a > 337.5)
        return S::CH_DOWN;
    if (a <= 67.5)
        return S::CH_LEFT_DOWN;
    if (a <= 112.5)
        return S::CH_LEFT;
    if (a <= 157.5)
        return S::CH_LEFT_UP;
    if (a <= 202.5)
        return S::CH_UP;
    if (a <= 247.5)
        return S::CH_RIGHT_UP;
    if (a <= 292.5)
        return S::CH_RIGHT;
    return S::CH_RIGHT_DOWN;
}

int Angle_Of_Direction(int direction) {
    using S = Game_Settings;
    if (direction == S::CH_DOWN)
        return 0;
    if (direction == S::CH_LEFT_DOWN)
        return 45;
    if (direction == S::CH_LEFT)
        return 90;
    if (direction == S::CH_LEFT_UP)
        return 135;
    if (direction == S::CH_UP)
        return 180;
    if (direction == S::CH_RIGHT_UP)
        return -135;
    if (direction == S::CH_RIGHT)
        return -90;
    if (direction == S::CH_RIGHT_DOWN)
        return -45;
    return 0;
}

// Puts the collision rectangle back at the character's place on every way out.
class Box_Restorer {
public:
    explicit Box_Restorer(CH_Base_All_Infos& infos) : Infos(infos), Saved(infos.Collision_Rect) {}
    ~Box_Restorer() { Infos.Collision_Rect = Saved; }
    Box_Restorer(const Box_Restorer&) = delete;
    Box_Restorer& operator=(const Box_Restorer&) = delete;

private:
    CH_Base_All_Infos& Infos;
    Rect Saved;
};

void Move_Box_To(CH_Base_All_Infos& infos, int x, int y) {
    infos.Collision_Rect.setx(static_cast<Sint16>(x + infos.X_Modifier));
    infos.Collision_Rect.sety(static_cast<Sint16>(y + infos.Y_Modifier));
}

Rect Reach_Box(const Rect& around, const CH_Base_All_Infos& infos) {
    const Characteristics& stats = *infos.CH_Characteristics;
    const int r = stats.Reach + stats.Weapon_Reach_Bonus;
    return Make_Rect(around.getx() - r, around.gety() - r, infos.CB_Width + 2 * r, infos.CB_Height + 2 * r);
}

} // namespace

Point AI::Choose_Destination(const BattleField& battlefield, Character_Base& character) {
    return Chain_Errors("Exception In AI::Choose_Destination(): ", "Unhandled Exception In AI::Choose_Destination()", [&] {
        CH_Base_All_Infos& infos = character.Infos();
        Attitudes& attitudes = *infos.CH_Attitudes;
        const Point start = Make_Point(infos.X, infos.Y);
        Rect chaseTarget = infos.Collision_Rect;
        Point destination = start;

        Sint16 mode = 0;
        if (attitudes.Attitude_Vs_MB == Attitudes::Coward || attitudes.Attitude_Vs_PB == Attitudes::Coward)
            mode = 1;
        else if (attitudes.Attitude_Vs_MB == Attitudes::Aggressive || attitudes.Attitude_Vs_PB == Attitudes::Aggressive)
            mode = 2;

        if (attitudes.Opponent) {
            const Point centre = infos.Box_Centre();
            const int radius = static_cast<int>(std::lround(infos.Sight_Radius * 1.4));
            if (!Check_Circle_Rect_Overlap(attitudes.Opponent->Infos().Collision_Rect, centre.getx(), centre.gety(),
                                           radius)) {
                attitudes.Opponent = nullptr;
            } else {
                mode = static_cast<Sint16>(attitudes.Attitude_When_Attacked);
                if (mode != Attitudes::Aggressive && mode != Attitudes::Coward)
                    throw std::logic_error("Invalid Attitude_When_Attacked:" +
                                           std::to_string(attitudes.Attitude_When_Attacked));
            }
        }

        if (mode > 0) {
            const std::list<Rect> opponents = Get_Opponents_List(character, mode);
            if (!opponents.empty()) {
                destination = Calculate_Dest(chaseTarget, opponents, battlefield, character, mode);
                Move_Box_To(infos, infos.X, infos.Y);
                return destination;
            }
        }

        switch (attitudes.Default_Attitude) {
        case Attitudes::Wanderer:
            destination = Find_Random_Destination_Inside_SR_For_Default_Att(6000, start, battlefield, character);
            break;
        case Attitudes::Passive:
            destination = Find_Random_Destination_Inside_SR_For_Default_Att(21600, start, battlefield, character);
            break;
        case Attitudes::Guard:
            if (attitudes.Guard_Path.empty()) {
                destination = Find_Random_Destination_Inside_SR_For_Default_Att(21600, start, battlefield, character);
            } else {
                Point next = attitudes.Guard_Path.front();
                const Rect there = Make_Rect(next.getx(), next.gety(), infos.CB_Width, infos.CB_Height);
                const Rect here = Make_Rect(infos.X, infos.Y, infos.CB_Width, infos.CB_Height);
                if (Check_Rects_Overlap(there, here)) {
                    attitudes.Guard_Path.push_back(next);
                    attitudes.Guard_Path.pop_front();
                    next = attitudes.Guard_Path.front();
                }
                destination = next;
                Round_Destination(start, destination, Get_Grid_Size(character), infos.Allowed_Area);
            }
            break;
        default:
            destination = Find_Random_Destination_Inside_SR_For_Default_Att(30000, start, battlefield, character);
            break;
        }
        // Only the place: the size is the current sheet's, modifiers included.
        Move_Box_To(infos, infos.X, infos.Y);
        return destination;
    });
}

std::list<Rect> AI::Get_Opponents_List(Character_Base& character, Sint16 mode) {
    return Chain_Errors("Error In AI::Get_Opponents_List() : ", "Unhandled Error In AI::Get_Opponents_List()", [&] {
        const CH_Base_All_Infos& infos = character.Infos();
        const Attitudes& attitudes = *infos.CH_Attitudes;
        std::list<Rect> opponents;
        if (mode == 3 || mode == 4) {
            if (attitudes.Opponent)
                opponents.push_back(attitudes.Opponent->Infos().Collision_Rect);
            return opponents;
        }
        if (mode != 1 && mode != 2)
            return opponents;
        const int wanted = mode == 1 ? Attitudes::Coward : Attitudes::Aggressive;
        const Point centre = infos.Box_Centre();
        for (const Characters_Map::Entry& entry : Characters_Map::Instance().Entries()) {
            if (*entry.X == infos.X && *entry.Y == infos.Y)
                continue;
            const CH_Base_All_Infos& other = entry.Character->Infos();
            if (other.Life_State <= 0)
                continue;
            if (!Check_Circle_Rect_Overlap(other.Collision_Rect, centre.getx(), centre.gety(), infos.Sight_Radius))
                continue;
            const bool isPlayer = other.CH_Characteristics->Character_Type == Player_Type;
            if (attitudes.Default_Attitude == wanted || (attitudes.Attitude_Vs_MB == wanted && !isPlayer) ||
                (attitudes.Attitude_Vs_PB == wanted && isPlayer))
                opponents.push_back(other.Collision_Rect);
        }
        return opponents;
    });
}

Point AI::Calculate_Dest(Rect& chaseTarget, const std::list<Rect>& opponents, const BattleField& battlefield,
                         Character_Base& character, Sint16 mode) {
    return Chain_Errors("Error In AI::Calculate_Dest() : ", "Unhandled Error In AI::Calculate_Dest()", [&] {
        CH_Base_All_Infos& infos = character.Infos();
        Characteristics& stats = *infos.CH_Characteristics;
        const Point start = Make_Point(infos.X, infos.Y);
        // Running first: the grid follows the pace the path will be walked at.
        stats.Running = stats.Endurance >= 1 && stats.Velocity != stats.Run_Velocity && stats.Run_Velocity != 0;
        const Point grid = Get_Grid_Size(character);

        if (mode == 1 || mode == 4) {
            Point destination = start;
            {
                Box_Restorer restore(infos);
                bool found = false;
                std::uint64_t best = 0;
                for (int i = -1; i <= 1; ++i) {
                    for (int j = -1; j <= 1; ++j) {
                        const int tx = start.getx() + i * grid.getx();
                        const int ty = start.gety() + j * grid.gety();
                        Move_Box_To(infos, tx, ty);
                        if (!Manage_Collisions_BF(battlefield, character, false))
                            continue;
                        const Point centre = Centre_Of(infos.Collision_Rect);
                        std::uint64_t score = 0;
                        for (const Rect& opponent : opponents)
                            score += Squared_Distance(Centre_Of(opponent), centre);
                        if (!found || score > best) {
                            found = true;
                            best = score;
                            destination = Make_Point(tx, ty);
                        }
                    }
                }
            }
            if (destination != start)
                Round_Destination(start, destination, grid, infos.Allowed_Area);
            else
                stats.Running = false;
            return destination;
        }

        if (mode == 2) {
            const Rect self = chaseTarget;
            const Rect reach = Reach_Box(self, infos);
            const Point ownCentre = Centre_Of(self);
            chaseTarget = Rect();
            std::uint64_t bestDistance = 100000000;
            unsigned bestAngle = 181;
            for (const Rect& opponent : opponents) {
                if (bestDistance == 0)
                    break;
                const Point theirCentre = Centre_Of(opponent);
                const std::uint64_t d = Squared_Distance(theirCentre, ownCentre);
                if (d > bestDistance)
                    continue;
                if (Check_Rects_Overlap(reach, opponent)) {
                    infos.Attack_State = 1;
                    chaseTarget = self;
                    const unsigned angle = Get_Concordance_Direction_Angle(infos.Direction, ownCentre, theirCentre);
                    if (angle < bestAngle) {
                        bestAngle = angle;
                        infos.Direction = Find_Direction_From_Opponent(ownCentre, theirCentre, infos.Direction);
                    }
                } else if (infos.Attack_State != 1) {
                    const unsigned angle = Get_Concordance_Direction_Angle(infos.Direction, ownCentre, theirCentre);
                    if (d != bestDistance || angle < bestAngle) {
                        bestAngle = angle;
                        chaseTarget = opponent;
                    }
                }
                bestDistance = d;
            }
            // In reach, or nobody near enough to chase.
            if (chaseTarget == self || (chaseTarget.getw() == 0 && chaseTarget.geth() == 0)) {
                stats.Running = false;
                return start;
            }
            Point target = Make_Point(chaseTarget.getx(), chaseTarget.gety());
            Round_Destination(start, target, grid, infos.Allowed_Area);
            PathFinder finder;
            const Point_List path = finder.Get_Path(start, target, grid, character, battlefield);
            return path.empty() ? start : path.front();
        }

        if (mode == 3) {
            if (opponents.empty())
                return start;
            const Rect& opponent = opponents.front();
            const Rect self = infos.Collision_Rect;
            if (Check_Rects_Overlap(Reach_Box(self, infos), opponent)) {
                infos.Attack_State = 1;
                infos.Direction = Find_Direction_From_Opponent(Centre_Of(self), Centre_Of(opponent), infos.Direction);
                stats.Running = false;
                return start;
            }
            infos.Attack_State = 0;
            Point target = Make_Point(opponent.getx(), opponent.gety());
            Round_Destination(start, target, grid, infos.Allowed_Area);
            return target;
        }

        throw std::logic_error("unknown mode");
    });
}

Point AI::Find_Random_Destination_Inside_SR_For_Default_Att(Sint16 chanceDivisor, const Point& start,
                                                            const BattleField& battlefield, Character_Base& character) {
    return Chain_Errors(
        "Exception In AI::Find_Random_Destination_Inside_SR_For_Default_Att(): ",
        "Unhandled Exception In AI::Find_Random_Destination_Inside_SR_For_Default_Att()", [&] {
            CH_Base_All_Infos& infos = character.Infos();
            const int perSecond = Game_Settings::AI_CHOOSE_DESTINATION_PS > 0 ? Game_Settings::AI_CHOOSE_DESTINATION_PS : 1;
            int spread = chanceDivisor / perSecond;
            if (spread < 1)
                spread = 1;
            if (Game_Random::Draw() % spread >= 90)
                return start;

            const int radius = infos.Sight_Radius;
            const Point centre = infos.Box_Centre();
            const int lx = std::max(0, centre.getx() - radius), hx = std::min(BF_Width, centre.getx() + radius);
            const int ly = std::max(0, centre.gety() - radius), hy = std::min(BF_Height, centre.gety() + radius);
            if (radius < 0 || hx < lx || hy < ly)
                return start;
            const Point grid = Get_Grid_Size(character);
            const std::uint64_t radiusSquared = static_cast<std::uint64_t>(radius) * static_cast<std::uint64_t>(radius);

            Box_Restorer restore(infos);
            for (int attempt = 0; attempt < 6; ++attempt) {
                // Points of the square outside the circle are drawn again, a bounded number of times.
                Point drawn;
                bool inside = false;
                for (int redraw = 0; redraw < 64 && !inside; ++redraw) {
                    const int qx = Random_Between(lx, hx);
                    const int qy = Random_Between(ly, hy);
                    drawn = Make_Point(qx, qy);
                    inside = Squared_Distance(drawn, centre) <= radiusSquared;
                }
                if (!inside)
                    continue;
                Point destination = Make_Point(drawn.getx() - (infos.CB_Width / 2 + infos.X_Modifier),
                                               drawn.gety() - (infos.CB_Height / 2 + infos.Y_Modifier));
                Round_Destination(start, destination, grid, infos.Allowed_Area);
                if (destination == start)
                    continue;
                Move_Box_To(infos, destination.getx(), destination.gety());
                if (Manage_Collisions_BF(battlefield, character, false))
                    return destination;
            }
            return start;
        });
}

void AI::Round_Destination(const Point& start, Point& destination, const Point& gridSize, const Rect& allowedArea) {
    Chain_Errors("Exception In AI::Round_Destination(): ", "Unhandled Exception In AI::Round_Destination()", [&] {
        if (destination == start)
            return;
        const int gx = gridSize.getx(), gy = gridSize.gety();
        // No lattice without a step: the character stays.
        if (gx <= 0 || gy <= 0) {
            destination = start;
            return;
        }
        const int d0x = destination.getx(), d0y = destination.gety();
        const int sx = start.getx(), sy = start.gety();
        int x = (d0x / gx) * gx + (sx - (sx / gx) * gx);
        int y = (d0y / gy) * gy + (sy - (sy / gy) * gy);
        if (x > allowedArea.getx() + allowedArea.getw())
            x -= gx;
        if (y > allowedArea.gety() + allowedArea.geth())
            y -= gy;
        if (x == sx && y == sy) {
            const int dx = d0x - sx, dy = d0y - sy;
            if (std::abs(dy) < std::abs(dx))
                x += dx > 0 ? gx : -gx;
            else
                y += dy > 0 ? gy : (dy < 0 ? -gy : 0);
        }
        destination = Make_Point(x, y);
    });
}

int AI::Find_Direction_From_Opponent(const Point& own, const Point& opponent, int currentDirection) {
    return Chain_Errors("Error In AI::Find_Direction_From_Opponent() : ",
                        "Unhandled Error In AI::Find_Direction_From_Opponent()", [&] {
                            int angle = 0;
                            if (!Angle_Toward(own, opponent, angle))
                                return currentDirection;
                            return Direction_Of_Angle(angle);
                        });
}

unsigned AI::Get_Concordance_Direction_Angle(int direction, const Point& own, const Point& opponent) {
    return Chain_Errors("Error In AI::Get_Concordance_Direction_Angle() : ",
                        "Unhandled Error In AI::Get_Concordance_Direction_Angle()", [&] {
                            int target = 0;
                            // On the same spot any facing will do.
                            if (!Angle_Toward(own, opponent, target))
                                return 0u;
                            if (target > 180)
                                target -= 360;
                            return static_cast<unsigned>(std::abs(Angle_Of_Direction(direction) - target));
                        });
}
