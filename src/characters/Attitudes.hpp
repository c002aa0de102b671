#pragma once

#include <string>

#include "characters/Point_List.hpp"

class Character_Base;

// How an NPC or a monster behaves: by default, towards the player, towards
// everyone else and when attacked; the character that attacked it; a
// guard's patrol. The AI gives each attitude its meaning.
class Attitudes {
public:
    enum Attitude { None = 0, Wanderer = 1, Guard = 2, Aggressive = 3, Coward = 4, Passive = 5 };

    Attitudes() = default;
    virtual ~Attitudes() = default;

    // Exact names, letter case included: "Wanderer" … "Passive".
    static int String_To_Attitude(const std::string& text);

    // Also drops any patrol: the factory hands patrols out afterwards.
    void Set_Initials(int defaultAttitude, int vsPlayer, int vsMonsters, int whenAttacked);

    int Default_Attitude = Wanderer;
    int Attitude_Vs_PB = Wanderer;
    int Attitude_Vs_MB = Wanderer;
    int Attitude_When_Attacked = Wanderer;
    // Whoever hit this character last; cleared when that character dies or leaves the field.
    Character_Base* Opponent = nullptr;
    // The guard's patrol points, the next one first; a copy per character.
    Point_List Guard_Path;
};
