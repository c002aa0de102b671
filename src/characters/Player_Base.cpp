#include "characters/Player_Base.hpp"

#include "characters/Animation_Set.hpp"
#include "characters/Character.hpp"
#include "characters/Character_Animations_Center.hpp"
#include "shell/Error_Chain.hpp"

std::unique_ptr<Character_Animations_Center>
Player_Base::Generate_Animation_Center(const std::string& file, const std::string& folder, Character_Base* character,
                                       BattleField* battlefield) {
    return Chain_Errors(
        "From Player_Base::Generate_Animation_Center(), ",
        "Unhandled Exception in Player_Base::Generate_Animation_Center( " + file + " )", [&] {
            Animation_Set sheets;
            Character::Initialize_Animation_Center(file, folder, sheets);
            // The loader lends the standing sheet to the slots its file leaves
            // out; a slot it filled always holds a sheet of its own.
            for (Character_Animation** slot : {&sheets.Walk, &sheets.Run, &sheets.Attack, &sheets.Hit})
                if (*slot == sheets.Stop)
                    *slot = nullptr;
            auto centre = std::make_unique<Character_Animations_Center>(
                character, battlefield, sheets.Stop, sheets.Walk, sheets.Run, sheets.Attack, sheets.Hit,
                sheets.Pause, sheets.Death, true);
            // The centre owns them now.
            sheets.Stop = sheets.Walk = sheets.Run = sheets.Attack = sheets.Hit = sheets.Pause = sheets.Death =
                nullptr;
            return centre;
        });
}
