#pragma once

#include <SDL/SDL_types.h>

#include "items/Actionable.hpp"

// A bag of items a dead character leaves on the ground. It erodes away after
// a while unless it is permanent (the bow's).
class Drop : public Actionable {
public:
    enum Erosion { Permanent = -1, Lying = 0, Eroded = 1 };

    Drop() : Actionable(Drop_Type) {}

    // Moves other's items after this bag's, deletes other and nulls the
    // pointer. A permanent bag passes its permanence on.
    void Concatenate(Drop** other);

    Sint16 Erosion_State = Lying;
    // When the bag was last laid down, in seconds of the game clock.
    Uint32 Drop_Time = 0;
};
