#pragma once

#include <list>

#include <SDL/SDL_types.h>

#include "media/Point.hpp"
#include "media/Rect.hpp"

class BattleField;
class Character_Base;

// The collision tests every move goes through, the AI's unit of movement,
// and the decisions of NPCs and monsters: where to go, whom to fight or flee,
// which way to face. No state of its own beyond Characters_Map.
class AI {
public:
    AI() = delete;

    // --- Collisions ---
    // Registers the character at its live position; throws when the place is taken.
    static void Fill_Collision_Map(const int& x, const int& y, Character_Base* character);
    // The register keeps the addresses: a temporary would leave it pointing nowhere.
    static void Fill_Collision_Map(int&& x, int&& y, Character_Base* character) = delete;
    // With correct false: is the collision rectangle free of the allowed
    // area's edges and of forbidden sprites? With correct true: pushes the
    // rectangle out of them and answers whether nothing had to move.
    static bool Manage_Collisions_BF(const BattleField& battlefield, Character_Base& character, bool correct);
    // The same against the other characters.
    static bool Manage_Collisions_CH(Character_Base& character, bool correct);
    // The battlefield first; the characters only when it needed no correction.
    static bool Manage_Collisions_Full(Character_Base& character, const BattleField& battlefield, bool correct);
    // The distance of one full walk (or run) cycle, as (side, side).
    static GLINT::SDL::Point Get_Grid_Size(Character_Base& character);

    // --- Decisions ---
    static GLINT::SDL::Point Choose_Destination(const BattleField& battlefield, Character_Base& character);
    // Mode 1: cowards in sight, 2: aggressive ones in sight, 3 and 4: the attacker.
    static std::list<GLINT::SDL::Rect> Get_Opponents_List(Character_Base& character, Sint16 mode);
    static GLINT::SDL::Point Calculate_Dest(GLINT::SDL::Rect& chaseTarget, const std::list<GLINT::SDL::Rect>& opponents,
                                            const BattleField& battlefield, Character_Base& character, Sint16 mode);
    static GLINT::SDL::Point Find_Random_Destination_Inside_SR_For_Default_Att(Sint16 chanceDivisor,
                                                                               const GLINT::SDL::Point& start,
                                                                               const BattleField& battlefield,
                                                                               Character_Base& character);
    // Snaps a destination onto the lattice through start.
    static void Round_Destination(const GLINT::SDL::Point& start, GLINT::SDL::Point& destination,
                                  const GLINT::SDL::Point& gridSize, const GLINT::SDL::Rect& allowedArea);
    // The facing from own toward opponent; currentDirection when the two are the same point.
    static int Find_Direction_From_Opponent(const GLINT::SDL::Point& own, const GLINT::SDL::Point& opponent,
                                            int currentDirection);
    static unsigned Get_Concordance_Direction_Angle(int direction, const GLINT::SDL::Point& own,
                                                    const GLINT::SDL::Point& opponent);
};
