#pragma once

#include <vector>

// Every random draw of the game goes through here, so that a run can be
// replayed from its seed and a test can script the draws it needs.
class Game_Random {
public:
    Game_Random() = delete;

    // The largest value Draw returns.
    static constexpr int Max = 0x7fffffff;

    static void Seed(unsigned seed);
    // VARNHOLT_SEED when it holds a number, the clock otherwise; returns the seed used.
    static unsigned Seed_From_Environment();

    // A draw in 0..Max, like rand(): scripted values first, then the generator.
    static int Draw();
    // Draw() mod (hi - lo + 1) + lo; a reversed range is taken the right way round.
    static int Between(int lo, int hi);

    // The next draws return these values, in order, before the generator resumes.
    static void Script(const std::vector<int>& values);
    static void Clear_Script();
};

// The draw between lo and hi inclusive that the game's rules are written with.
inline int Random_Between(int lo, int hi) { return Game_Random::Between(lo, hi); }
