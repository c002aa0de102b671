#pragma once

#include <vector>

#include "media/Rect.hpp"

// A part of the field where only some kinds of monsters may be generated.
class BattleField_Zone {
public:
    // count allowed Character_IDs values follow h.
    BattleField_Zone(int x, int y, int w, int h, int count, ...);
    ~BattleField_Zone();

    BattleField_Zone(const BattleField_Zone&) = delete;
    BattleField_Zone& operator=(const BattleField_Zone&) = delete;

    // The fixed zones of the field, in the order they are tested.
    static std::vector<BattleField_Zone*>* Fill_Vector();

    bool Contains(int x, int y) const;
    bool Allows(int characterId) const;

    const GLINT::SDL::Rect& Get_Rect() const { return Zone; }
    const std::vector<int>& Get_Allowed() const { return *Allowed_IDs; }

private:
    GLINT::SDL::Rect Zone;
    std::vector<int>* Allowed_IDs;
};
