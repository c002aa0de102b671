#pragma once

#include "Image.hpp"

#include <string>
#include <vector>

// Animation sheets of every character set: one row per direction code
// (0 right, 1 right-down, 2 down, 3 left-down, 4 left, 5 left-up, 6 up,
// 7 right-up), one 64 x 64 column per frame.
class CharacterSheets {
public:
    enum class Cast { Hero, HeroSword, HeroBow, Merchant, Guard, Skeleton, Worm };
    enum class Action { Stop, Walk, Run, Attack, Hit, Pause, Death };

    struct Timing {
        int frames;
        int interval; // milliseconds between frames
        int keyFrame; // attack strike, 0 elsewhere
    };

    static constexpr int Frame = 64;
    static Timing timing(Cast cast, Action action);
    static Image sheet(Cast cast, Action action);
    static const char* actionName(Action a);
    static const std::vector<Action>& actions();
};
