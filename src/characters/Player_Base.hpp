#pragma once

#include <memory>
#include <string>

class BattleField;
class Character_Animations_Center;
class Character_Base;

// Builds the player's animation sets. Unlike an NPC's or a monster's, a set of
// the player's owns its sheets, and a sheet its file does not name stays
// empty rather than falling back to the standing sheet.
class Player_Base {
public:
    Player_Base() = delete;

    // The set described by the animation-centre file; its sheet files are
    // folder + the names it gives.
    static std::unique_ptr<Character_Animations_Center>
    Generate_Animation_Center(const std::string& file, const std::string& folder, Character_Base* character,
                              BattleField* battlefield);
};
