// Times the collision test against the battlefield and a failing path search
// (one that expands its 250 nodes) on the shipped battlefield: the plain
// scans of the tests' reference against the game's indexed code, on the same
// boxes and searches, after checking that both give the same answers.
//
// Usage: ai_bench [game folder]

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "../tests/ai/Reference_Scans.hpp"
#include "ai/AI.hpp"
#include "ai/PathFinder.hpp"
#include "battlefield/BattleField.hpp"
#include "media/Logger.hpp"
#include "shell/Config.hpp"
#include "shell/Game_Random.hpp"

namespace {

using Clock = std::chrono::steady_clock;
using GLINT::SDL::Point;
using GLINT::SDL::Rect;

double Microseconds(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Time per call of op, over enough repetitions to rise well above the clock's grain.
template <class Op>
double Time_Per_Call(int repetitions, Op op) {
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < repetitions; ++i)
        op();
    return Microseconds(Clock::now() - start) / repetitions;
}

// A skeleton's box and stride: 22 x 34 at (21, 24), four pixels a frame over eight frames.
const int X_Mod = 21, Y_Mod = 24, Box_W = 22, Box_H = 34, Grid = 32;

void Collision_Tests(const BattleField& field, const reference::World& world) {
    Game_Random::Seed(11u);
    reference::Kind_Character character(Character_Kind::Monster_Skeleton);
    character.Place(0, 0, X_Mod, Y_Mod, Box_W, Box_H);
    CH_Base_All_Infos& infos = character.Infos();
    for (bool correct : {false, true}) {
        std::vector<double> literal, indexed;
        int differences = 0;
        for (int n = 0; n < 2000; ++n) {
            const Rect box(static_cast<Sint16>(Game_Random::Between(0, BF_Width - Box_W)),
                           static_cast<Sint16>(Game_Random::Between(0, BF_Height - Box_H)), Box_W, Box_H);
            bool expected = false, got = false;
            Rect expectedRect, gotRect;
            literal.push_back(Time_Per_Call(3, [&] {
                infos.Collision_Rect = box;
                expected = reference::Manage_Collisions_BF(world, character, correct);
                expectedRect = infos.Collision_Rect;
            }));
            indexed.push_back(Time_Per_Call(200, [&] {
                infos.Collision_Rect = box;
                got = AI::Manage_Collisions_BF(field, character, correct);
                gotRect = infos.Collision_Rect;
            }));
            differences += got != expected || !(gotRect == expectedRect);
        }
        const double a = Median(literal), b = Median(indexed);
        std::printf("collision test, correct = %-5s  full scan %8.2f us   indexed %7.3f us   ratio %6.0f x%s\n",
                    correct ? "true" : "false", a, b, a / b, differences ? "   ANSWERS DIFFER" : "");
    }
}

void Failing_Searches(const BattleField& field, const reference::World& world) {
    Game_Random::Seed(12u);
    reference::Literal_PathFinder literal(world);
    std::vector<double> literalTimes, gameTimes, probes;
    int differences = 0, tries = 0;
    const Point grid(Grid, Grid);
    while (literalTimes.size() < 15 && tries++ < 2000) {
        reference::Kind_Character character(Character_Kind::Monster_Skeleton);
        const int x = Game_Random::Between(0, BF_Width - 64), y = Game_Random::Between(0, BF_Height - 64);
        character.Place(x, y, X_Mod, Y_Mod, Box_W, Box_H);
        if (!reference::Manage_Collisions_BF(world, character, false))
            continue;
        // Off the lattice through the start: never reached, so the search runs to its limit
        // unless the open list runs dry first.
        const Point start(static_cast<Sint16>(x), static_cast<Sint16>(y));
        const Point destination(static_cast<Sint16>(std::min(x + 601, BF_Width - 64)),
                                static_cast<Sint16>(std::min(y + 401, BF_Height - 64)));
        Point_List expected, got;
        const double literalTime =
            Time_Per_Call(1, [&] { expected = literal.Get_Path(start, destination, grid, character); });
        if (literal.Expanded < PathFinder::Max_Closed_Nodes)
            continue;
        literalTimes.push_back(literalTime);
        probes.push_back(static_cast<double>(literal.Probe_Count));
        gameTimes.push_back(Time_Per_Call(20, [&] {
            PathFinder finder;
            got = finder.Get_Path(start, destination, grid, character, field);
        }));
        differences += got != expected;
    }
    if (literalTimes.empty()) {
        std::printf("failing search: none found\n");
        return;
    }
    const double a = Median(literalTimes) / 1000.0, b = Median(gameTimes) / 1000.0;
    std::printf("failing search (250 nodes, %zu searches, %.0f probes each in the plain search)\n",
                literalTimes.size(), Median(probes));
    std::printf("                                  literal  %8.2f ms   game    %7.3f ms   ratio %6.0f x%s\n", a, b,
                a / b, differences ? "   PATHS DIFFER" : "");
    std::printf("targets: a failing search under 2 ms, at least 50 x faster than the literal one\n");
}

} // namespace

int main(int argc, char** argv) {
    const std::string gameDir = argc > 1 ? argv[1] : VARNHOLT_GAME_DIR;
    if (chdir(gameDir.c_str()) != 0) {
        std::fprintf(stderr, "ai_bench: cannot enter %s\n", gameDir.c_str());
        return 1;
    }
    GLINT::SDL::GameLog.setConsole(false);
    GLINT::SDL::MediaLog.setConsole(false);
    try {
        std::string file = Get_Config_Value("Config/Dev_Config.ini", "BF_Map");
        if (file.empty())
            file = "Data/Battlefield/Varnholt_BF.xml";
        const BattleField field(file);
        const reference::World world(field);
        std::printf("ai_bench: %s, %zu ground + %zu scenery cells; a skeleton's box %dx%d, grid %d\n\n", file.c_str(),
                    field.Get_BG_Layer().size(), field.Get_Env_Layer().size(), Box_W, Box_H, Grid);
        Collision_Tests(field, world);
        Failing_Searches(field, world);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ai_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
